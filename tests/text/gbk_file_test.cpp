#include "text/gbk_file.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::AppDir;
using test::gbk;

TEST(GbkFile, WritesGbkWithCrLfAfterEveryLine)
{
    AppDir dir(AppDir::Content::Empty);
    writeGbkLines(dir.file("a.txt"), {QStringLiteral("线路"), QStringLiteral(""), QStringLiteral("A1")});
    EXPECT_EQ(dir.read("a.txt"), gbk(QStringLiteral("线路\r\n\r\nA1\r\n")));
    EXPECT_EQ(readGbkLines(dir.file("a.txt")), (QStringList{"线路", "", "A1"}));
    writeGbkLines(dir.file("empty.txt"), {});
    EXPECT_EQ(dir.read("empty.txt"), QByteArray());
    EXPECT_TRUE(readGbkLines(dir.file("empty.txt")).isEmpty());
}

TEST(GbkFile, ReadsLinesEndedEitherWayAndALastLineWithoutEnd)
{
    AppDir dir(AppDir::Content::Empty);
    dir.write("b.txt", gbk(QStringLiteral("一\r\n二\n三")));
    EXPECT_EQ(readGbkLines(dir.file("b.txt")), (QStringList{"一", "二", "三"}));
}

TEST(GbkFile, RefusesWhatItCannotReadOrWrite)
{
    AppDir dir(AppDir::Content::Empty);
    EXPECT_THROW(readGbkLines(dir.file("missing.txt")), UserError);
    dir.write("bin.dat", QByteArray("ab\0cd", 5));
    EXPECT_THROW(readGbkLines(dir.file("bin.dat")), UserError);
    dir.write("bad.txt", QByteArray("\x81\x20", 2));
    EXPECT_THROW(readGbkLines(dir.file("bad.txt")), UserError);

    writeGbkLines(dir.file("keep.txt"), {QStringLiteral("原有内容")});
    try {
        writeGbkLines(dir.file("keep.txt"), {QStringLiteral("emoji 😀")});
        FAIL() << "an emoji has no GBK encoding";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("GBK")));
    }
    EXPECT_EQ(dir.read("keep.txt"), gbk(QStringLiteral("原有内容\r\n")));
    EXPECT_THROW(writeGbkLines(dir.file("no/such/dir/x.txt"), {QStringLiteral("x")}), UserError);
    EXPECT_TRUE(encodableInGbk(QStringLiteral("线路€")));
    EXPECT_FALSE(encodableInGbk(QStringLiteral("😀")));
}

TEST(GbkFile, BytesInMemoryAreReadByTheSameRulesAndNameTheGivenFile)
{
    EXPECT_EQ(decodeGbkLines(gbk(QStringLiteral("一\r\n二\n三\r\n")), QStringLiteral("a.txt")),
              (QStringList{"一", "二", "三"}));
    EXPECT_TRUE(decodeGbkLines(QByteArray(), QStringLiteral("a.txt")).isEmpty());
    struct Case { QByteArray bytes; QString says; };
    const Case cases[] = {
        {QByteArray("ab\0cd", 5), QStringLiteral("文件“线路参数/A.pin”不是文本文件。")},
        {QByteArray("\x81\x20", 2), QStringLiteral("文件“线路参数/A.pin”不是GBK编码的文本文件。")},
    };
    for (const Case& c : cases) {
        try {
            decodeGbkLines(c.bytes, QStringLiteral("线路参数/A.pin"));
            ADD_FAILURE() << c.says.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), c.says);
        }
    }
}

} // namespace
} // namespace quarvane
