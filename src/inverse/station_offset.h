#pragma once

// Station and offset of a measured point, and its comparison with the
// design: the inverse of the horizontal computation.
//
// The station of the foot of the perpendicular is found by repeated
// projection onto the centre line's tangent: from a station P the centre
// point and azimuth K come from ZCX, and the measured point's component
// along the tangent, V = dx cos K + dy sin K, moves P to P + V, until
// |V| <= 1 mm. W = dy cos K - dx sin K is the offset, positive to the
// right. The projection converges linearly with the factor W/R on a curve
// of radius R: real survey points need 2 to 6 passes; a point beyond the
// centre of a curve may never settle, and the iteration gives up after
// kMaxProjectionPasses.

#include "route/route_tables.h"

#include <QString>
#include <array>

namespace quarvane {

inline constexpr int kMaxProjectionPasses = 60;

// What the inverse computation keeps between points: the current subgrade
// section row, a copy of columns 1..47 of the section last found.
struct InverseState {
    std::array<QString, 48> section;
    int sectionRow = 0;   // yaosul row it was copied from, 0 before the first
};

// The six output texts, in plain decimal form (at most 15 significant
// digits, no trailing zeros). Where the point's station lies in no subgrade
// section, or its side has no cross slope, the outputs that need them hold
// a short Chinese note instead of a number (see noSection, noCrossSlope).
struct StationOffset {
    QString station;          // 计算桩号
    QString offset;           // 偏距, negative left
    QString designElevation;  // 设计高程
    QString fillCut;          // 填挖高度, design minus measured
    QString subgradeWidth;    // 路基设计宽, negative left
    QString deviation;        // 放样偏差

    double P = 0;             // station, unrounded
    double W = 0;             // offset, unrounded
    int passes = 0;           // projection passes used
    bool inSection = true;
};

// The notes the outputs hold when a number cannot be given.
QString noSectionNote();
QString noCrossSlopeNote();

// Computes the six outputs for a measured point typed as texts: X and Y
// (an empty text is 0, anything else must be a number) and the elevation
// (its leading number, 0 when none). Throws UserError for X or Y that is
// not a number, for a table cell the computation cannot read, for a
// widening method other than 1 or 2 in the section found, and when the
// projection does not settle on the route.
StationOffset stationAndOffset(const QString& Xm, const QString& Ym, const QString& Hm, RouteTables& tables,
                               InverseState& state);

} // namespace quarvane
