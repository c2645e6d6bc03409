#pragma once

// Numbers as the surveyor types and reads them.
//
// Two conversions read numbers: the lenient one takes the longest leading
// number of a text (0 when there is none), the full one accepts a text only
// when all of it, blanks around it aside, is one number.
//
// Numbers are written in two ways: plain decimal text (at most 15
// significant digits, no trailing zeros, "." as decimal point, no grouping),
// and the fixed three-decimal form "0.000" of coordinates, elevations and
// distances.
//
// Rounding to a number of decimals is decided on the number's shortest
// decimal text, the one the user sees: 2.0005 is an exact half although the
// double nearest to it lies slightly below. Two rules exist: halves to the
// even neighbour (the rounding of computed values) and halves away from zero
// (the rounding of the fixed-format output itself).

#include <QString>
#include <QStringView>
#include <optional>

namespace quarvane {

enum class HalfRule { ToEven, AwayFromZero };

// Longest leading number of the text: leading blanks skipped, an optional
// sign, digits with an optional decimal point, an optional exponent. 0 when
// the text does not begin with a number ("12.5abc" is 12.5, "abc" is 0).
double lenientNumber(QStringView text);

// The whole text, blanks around it allowed, as one number; nothing when the
// text is empty, holds anything else, or overflows.
std::optional<double> fullNumber(QStringView text);

// True when the text, blanks around it allowed, is empty or one number:
// the test for a table cell that an empty text makes 0.
bool isNumberOrEmpty(QStringView text);

// Plain decimal text: at most 15 significant digits, no exponent, no
// trailing zeros, "-" for negatives, "0" for zero (120, 12.5, -0.25).
QString plainNumber(double value);

// value rounded to the given number of decimals, the half judged on the
// shortest decimal text of the value.
double roundDecimals(double value, int decimals, HalfRule rule);

// Rounded to 3 decimals with halves to the even neighbour.
inline double round3(double value) { return roundDecimals(value, 3, HalfRule::ToEven); }

// Fixed text with exactly `decimals` decimals and at least `integerDigits`
// integer digits, rounded by `rule` ("0.000" is fixedText(v, 3, 1,
// AwayFromZero); "000.000" uses 3 integer digits). A result that reads as
// zero carries no minus sign.
QString fixedText(double value, int decimals, int integerDigits = 1,
                  HalfRule rule = HalfRule::AwayFromZero);

// The "0.000" format of a number, with the format's own rounding.
inline QString format000(double value) { return fixedText(value, 3); }

// The "0.000" format of a text: a number is formatted, any other text passes
// unchanged.
QString format000(const QString& text);

// A computed coordinate, elevation or distance as displayed: rounded to 3
// decimals with halves to even, then formatted "0.000".
inline QString displayNumber(double value) { return format000(round3(value)); }

// Shortest decimal text that reads back as exactly this double, in fixed
// notation ("2.0005", "1e-07" is "0.0000001").
std::string shortestDecimal(double value);

} // namespace quarvane
