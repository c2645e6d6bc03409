#pragma once

// Angle constants of the alignment computations. Angles are carried in
// radians formed with pi = 3.1415926 (seven decimals, not the full value):
// the element tables were computed with it, so the same value makes their
// azimuths, deflections and arc angles agree.

#include <QStringView>

namespace quarvane {

inline constexpr double kPi = 3.1415926;
// `AA`: radians of one degree.
inline constexpr double AA = kPi / 180.0;
// The half turn of the structure computation.
inline constexpr double kStructureHalfTurn = 3.14159265;

// A packed ddd.mmss angle in radians (AA per degree).
double packedToRadians(double packed);

} // namespace quarvane
