#include "text/number_text.h"
#include "text/sexagesimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarvane {
namespace {

TEST(LenientNumber, TakesTheLongestLeadingNumber)
{
    struct Case { const char16_t* text; double value; };
    const Case cases[] = {
        {u"", 0},          {u"abc", 0},         {u"12.5", 12.5},    {u"12.5abc", 12.5},
        {u"  -3", -3},     {u"+4.", 4},         {u".5", 0.5},       {u"-.25m", -0.25},
        {u"1e3", 1000},    {u"1e", 1},          {u"2E-2x", 0.02},   {u"1.2.3", 1.2},
        {u"-", 0},         {u".", 0},           {u"桩号12", 0},     {u"7 8", 7},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(lenientNumber(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(FullNumber, AcceptsOnlyAWholeNumber)
{
    EXPECT_EQ(fullNumber(u" 3456789.123 "), 3456789.123);
    EXPECT_EQ(fullNumber(u"-0.5"), -0.5);
    EXPECT_EQ(fullNumber(u"1.5e2"), 150.0);
    for (const char16_t* bad : {u"", u"  ", u"12a", u"1,5", u"1.2.3", u"abc", u"1e999", u"-", u"."})
        EXPECT_FALSE(fullNumber(QString::fromUtf16(bad)).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_TRUE(isNumberOrEmpty(u""));
    EXPECT_TRUE(isNumberOrEmpty(u" 0 "));
    EXPECT_FALSE(isNumberOrEmpty(u"x"));
}

TEST(PlainNumber, FifteenSignificantDigitsWithoutTrailingZeros)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {120, "120"},   {12.5, "12.5"},     {-0.25, "-0.25"},  {0, "0"},   {-0.0, "0"},
        {0.1 + 0.2, "0.3"},                 {1250, "1250"},    {1e-7, "0.0000001"},
        {123456789012345678.0, "123456789012346000"},            {3456789.1234567891, "3456789.12345679"},
        {1.0 / 3.0, "0.333333333333333"},  {999.9996, "999.9996"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plainNumber(c.value).toStdString(), c.text) << c.value;
}

// Halves are judged on the shortest decimal text: 2.0005 is a half although
// the nearest double lies below it.
TEST(Rounding, HalvesJudgedOnTheShortestDecimalText)
{
    struct Case { double value; double even; const char* format; };
    const Case cases[] = {
        {2.0005, 2.000, "2.001"},   {2.0015, 2.002, "2.002"},   {2.0025, 2.002, "2.003"},
        {-2.0005, -2.000, "-2.001"}, {1.23449, 1.234, "1.234"}, {1.2345001, 1.235, "1.235"},
        {0.0004, 0.0, "0.000"},     {-0.0004, -0.0, "0.000"},   {9.9995, 10.0, "10.000"},
        {1234.5675, 1234.568, "1234.568"}, {5, 5, "5.000"},     {-1.5, -1.5, "-1.500"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(round3(c.value), c.even) << c.value;
        EXPECT_EQ(format000(c.value).toStdString(), c.format) << c.value;
    }
    // Displayed values are rounded to even first, so the format sees no half.
    EXPECT_EQ(displayNumber(2.0005), QStringLiteral("2.000"));
    EXPECT_EQ(displayNumber(70.71067811865476), QStringLiteral("70.711"));
    EXPECT_EQ(fixedText(5.0, 0, 2), QStringLiteral("05"));
    EXPECT_EQ(fixedText(25.0, 3, 3), QStringLiteral("025.000"));
}

TEST(Rounding, TextThatIsNotANumberPassesTheFormat)
{
    EXPECT_EQ(format000(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(format000(QStringLiteral("")), QStringLiteral(""));
    EXPECT_EQ(format000(QStringLiteral(" 5 ")), QStringLiteral("5.000"));
}

TEST(Sexagesimal, DecodesTheWrittenDigits)
{
    struct Case { const char16_t* text; double degrees; };
    const Case cases[] = {
        {u"12.3045", 12 + 30 / 60.0 + 45 / 3600.0},
        {u"12.304512", 12 + 30 / 60.0 + 45.12 / 3600.0},
        {u"25.30125", 25 + 30 / 60.0 + 12.5 / 3600.0},
        {u"1.1700", 1 + 17 / 60.0},
        {u"45.3", 45.5},
        {u"30.15", 30.25},
        {u"-12.3045", -(12 + 30 / 60.0 + 45 / 3600.0)},
        {u"90", 90},
        {u"0.0001", 1 / 3600.0},
        {u"", 0},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_NEAR(sexagesimalDegrees(QStringView(text)), c.degrees, 1e-12) << text.toStdString();
    }
    // 1.17 as a double lies below 1.17; the digits still read 17 minutes.
    EXPECT_NEAR(sexagesimalDegrees(1.17), 1 + 17 / 60.0, 1e-12);
}

} // namespace
} // namespace quarvane
