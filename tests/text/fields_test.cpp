#include "text/fields.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

TEST(Fields, PaddedToFourteenCharactersAfterDecoding)
{
    EXPECT_EQ(padField(QStringLiteral(" 12.5 ")), QStringLiteral("12.5          "));
    EXPECT_EQ(padField(QStringLiteral("交点")).size(), 14);
    EXPECT_EQ(padField(QStringLiteral("12345678901234567")), QStringLiteral("12345678901234567"));
    EXPECT_TRUE(fitsField(QStringLiteral(" 12345678901234 ")));
    EXPECT_FALSE(fitsField(QStringLiteral("123456789012345")));
}

TEST(Fields, RecordFieldsKeepLeadingBlanksAndEndShortLines)
{
    const QString line = recordLine({QStringLiteral("1"), QStringLiteral("左边"), QStringLiteral("12.5")});
    EXPECT_EQ(line.size(), 42);
    EXPECT_EQ(recordFields(line, 4), (QStringList{"1", "左边", "12.5", ""}));
    EXPECT_EQ(recordField(QStringLiteral("  7           x"), 1), QStringLiteral("  7"));
    EXPECT_EQ(recordField(QStringLiteral("1             ab"), 2), QStringLiteral("ab"));
}

TEST(Fields, DisplayWidthCountsChineseTwice)
{
    EXPECT_EQ(displayWidth(u"点序号"), 6);
    EXPECT_EQ(displayWidth(u"X坐标"), 5);
    EXPECT_EQ(padDisplay(QStringLiteral("点序号"), 14), QStringLiteral("点序号        "));
    const QString header = padDisplay(QStringLiteral("点序号"), 14) + padDisplay(QStringLiteral("X坐标"), 14)
        + padDisplay(QStringLiteral("Y坐标"), 14) + padDisplay(QStringLiteral("高程"), 14)
        + padDisplay(QStringLiteral("桩号"), 14) + padDisplay(QStringLiteral("边距"), 14);
    EXPECT_EQ(header, QStringLiteral("点序号        X坐标         Y坐标         高程          桩号          边距          "));
    EXPECT_EQ(header.size(), 71);
}

} // namespace
} // namespace quarvane
