#pragma once

// SQX: the vertical half of the engine. The design elevation of the profile
// at a station, and the design elevations at the two side stakes from the
// cross slope of each carriageway applied outward from the median edge.
//
// Units and signs: stations, distances and elevations in metres; grades and
// cross slopes in percent, a grade positive when the profile rises with
// station, a cross slope positive when the surface rises going outward from
// the centre line (either side).
//
// Profile: the tangent through the VIP with the grade of the station's side
// (the incoming grade at and before the VIP), plus inside +-T1 of the VIP
// the parabolic ordinate (T1 - |P - B|)^2 / (2 r), negative on a crest.
// Cross section: the slope is interpolated linearly between the segment's
// end values and continued beyond them; a side elevation is
//   Z + (D - Dmedian) * slope / 100.

#include "route/design_table.h"

#include <optional>

namespace quarvane {

struct SqxResult {
    double Z = 0;   // design elevation of the profile at P
    // The side elevations, absent when no superelevation segment applies
    // (the caller then keeps the side elevations it had).
    std::optional<double> Zz;   // at Dz to the left
    std::optional<double> Zy;   // at Dy to the right
    int vipRow = 0;
};

// Throws UserError, naming the table, row and field, when a cell it reads
// is not a number, for a vertical radius of 0 at a station inside +-T1 of
// its VIP, for a right-side superelevation segment of zero length that is
// interpolated, and for a lookup that would pass row 600.
SqxResult SQX(double P, double Dz, double Dy, double Dzf, double Dyf, const DesignTable& yaosus,
              const DesignTable& yaosuc);

} // namespace quarvane
