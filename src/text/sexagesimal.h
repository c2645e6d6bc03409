#pragma once

// Angles are typed and stored in packed sexagesimal form ddd.mmss: the
// integer part holds whole degrees, the first two decimals the minutes, the
// decimals after them the seconds and their fractions (12.3045 is
// 12 deg 30' 45", 12.304512 is 12 deg 30' 45.12", 45.3 is 45 deg 30').
// The decoding works on the written digits, so 1.1700 is 1 deg 17' 00" even
// though the double nearest to 1.17 lies below it. A negative angle is the
// negated decoding of its absolute value.

#include <QStringView>

namespace quarvane {

// Degrees (decimal) of a packed angle given as text. The text must be a
// number (blanks around it allowed; the caller checks); an empty text is 0.
double sexagesimalDegrees(QStringView packed);

// Degrees of a packed angle held as a double, decoded from its shortest
// decimal text (the digits the user typed).
double sexagesimalDegrees(double packed);

} // namespace quarvane
