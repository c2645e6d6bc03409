#pragma once

// Builds horizontal element tables from curve descriptions with the exact
// clothoid (curvature linear in arc length, integrated numerically), and
// gives the exact centre line of the route they describe. The engine's
// series must reproduce that line.

#include "route/design_table.h"

#include <vector>

namespace quarvane::test {

struct CurveSpec {
    double turn;            // +1 right (towards +Y), -1 left
    double R;               // arc radius
    double q;               // arc length
    double Ls1 = 0;         // entry spiral length
    double Ls2 = 0;         // exit spiral length
    double R1Ls1 = 0;       // entry spiral radius at its tangent end, 0 = infinite
    double R2Ls2 = 0;       // exit spiral radius at its tangent end, 0 = infinite
    double straightAfter;   // tangent length from this curve's end to the next curve's start
};

struct ExactPoint {
    double x, y, azimuth;
};

class Alignment {
public:
    // The route starts at station 0 at (x0, y0) with azimuth az0 (radians)
    // and runs `straightBefore` metres to the first curve.
    Alignment(double x0, double y0, double az0, double straightBefore, std::vector<CurveSpec> curves);

    // The element table, as typed into the .pin editor.
    DesignTable table() const;

    // The exact centre line at a station.
    ExactPoint at(double station) const;

    // Every key station: curve starts, spiral/arc joints, curve ends.
    std::vector<double> keyStations() const;
    double endStation() const;

private:
    struct Piece {   // a stretch of linearly varying curvature
        double start, length, k0, k1;
        ExactPoint from;
    };
    struct Row {
        double C, Ls1, R1Ls1, R2Ls1, Ls2, R1Ls2, R2Ls2, T1, T2, q, r, Z, O, E, F;
    };
    std::vector<Piece> pieces_;
    std::vector<Row> rows_;
    std::vector<double> keys_;
    double end_ = 0;
};

// The packed ddd.mmss text of an angle in radians of AA per degree.
QString packedAngle(double radians);

} // namespace quarvane::test
