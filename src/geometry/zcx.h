#pragma once

// ZCX: the horizontal alignment. From a station and two side distances it
// gives the centre stake, the left and right side stakes and the azimuth of
// the centre line, from the horizontal element table `yaosup`.
//
// Frame and units: X is the northing, Y the easting, metres. An azimuth is
// measured from +X turning towards +Y (clockwise on a map), in radians of
// AA per degree; it is not reduced to one turn. The point at distance d and
// azimuth a from (x, y) is (x + d cos a, y + d sin a). Left and right are
// taken looking towards increasing station.
//
// Each row of `yaosup` is one intersection point (IP) with its compound
// curve: incoming tangent, entry spiral, circular arc, exit spiral,
// outgoing tangent. A spiral is a clothoid; a partial spiral starts at a
// finite radius and is computed as the tail of the clothoid whose origin
// lies before it. The clothoid is placed with the four-term series
//   x(l) = l - l^5/(40 r^2 L^2) + l^9/(3456 r^4 L^4) - l^13/(599040 r^6 L^6)
//   y(l) = l^3/(6 r L) - l^7/(336 r^3 L^3) + l^11/(42240 r^5 L^5)
//          - l^15/(9676800 r^7 L^7)
// (r the radius at arc length L from the origin), whose error for highway
// spirals (l^2/(2 r L) below 0.3 rad) stays far below a millimetre.

#include "route/design_table.h"

#include <QString>

namespace quarvane {

enum class Segment { TangentBefore, EntrySpiral, Arc, ExitSpiral, TangentAfter };

struct ZcxResult {
    double X = 0, Y = 0;     // centre stake
    double Xz = 0, Yz = 0;   // left side stake, Dz to the left
    double Xy = 0, Yy = 0;   // right side stake, Dy to the right
    double K = 0;            // azimuth of the direction of travel, radians

    // The contract values: on the exit spiral and the tangent after the
    // curve the element is walked back from its end, and the call returns
    // `P` negated and `Z` = minus the curve-end station; elsewhere `P` is
    // the station and `Z` the row's curve-start station.
    double P = 0;
    double Z = 0;
    bool mirrored = false;   // the mirror flag, true on ExitSpiral and TangentAfter

    int row = 0;             // element row used
    Segment segment = Segment::TangentBefore;

    // The station the call was made for, restored from the mirror flag.
    double station() const { return mirrored ? -P : P; }
};

// Computes the stakes at station P. In the row it uses, every empty cell of
// columns 1 to 16 is set to "0" (the table stays changed until the route is
// loaded again).
//
// Throws UserError, naming the table, row and field, when a cell it reads is
// not a number, when a radius it divides by is 0 or negative, for a partial
// spiral of zero length or with equal radii at both ends or whose radius
// grows towards its arc (which is entered as the other IP's spiral), and for
// a station beyond the last row when all 600 rows are loaded.
ZcxResult ZCX(double P, double Dz, double Dy, DesignTable& yaosup);

// A typed station or distance as the engine reads it: empty is 0, anything
// else must be a whole number. Throws UserError("<what>“text”不是数字。").
double engineNumber(const QString& text, const QString& what);

} // namespace quarvane
