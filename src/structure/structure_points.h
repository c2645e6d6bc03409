#pragma once

// The seven points of a structure crossing the route with a skew: the
// centre point on the centre line, the two ends of its axis, and the back
// and front corner at each end.
//
// B is the skew angle, turned clockwise from the route's forward direction
// (azimuth K at the station) to the structure axis, so the axis runs from
// the centre point at azimuth K + B to its right end (Ly) and at K + B + h
// to its left end (Lz), h the half turn 3.14159265. The corners lie on
// lines through the axis ends parallel to the route: the back corner
// (towards lower stations) |Dh / sin B| along azimuth K + h, the front
// corner |Dq / sin B| along K, which puts them Dh and Dq from the axis
// line. A skew of exactly 0 is taken as 1e-9 rad, so the corners then lie
// very far along the route.

#include "route/design_table.h"

namespace quarvane {

struct PlanPoint {
    double X = 0, Y = 0;
};

struct StructurePoints {
    double station = 0;   // the centre point's station
    double K = 0;         // azimuth of the route there
    PlanPoint centre, leftEnd, leftBack, leftFront, rightEnd, rightBack, rightFront;
};

// B is packed ddd.mmss; the other values in metres. Throws UserError when
// the horizontal computation cannot place the station.
StructurePoints structurePoints(double P, double B, double Lz, double Ly, double Dh, double Dq,
                                DesignTable& yaosup);

} // namespace quarvane
