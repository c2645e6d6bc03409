#include "route/route_catalogue.h"
#include "route/route_tables.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::AppDir;
using test::gbk;
using Result = RouteCatalogue::AddResult;

const char* kExts[] = {".pin", ".shu", ".cho", ".lbp"};
const char* kTemplates[] = {"temp/ooo.dat", "temp/sss.dat", "temp/ccc.dat", "temp/kkk.dat"};

int routeFileCount(const AppDir& dir)
{
    return int(QDir(dir.file("线路参数")).entryList(QDir::Files).size());
}

TEST(RouteCatalogue, AddingCopiesTheTemplatesAndAppendsTheName)
{
    AppDir dir;
    RouteCatalogue catalogue(dir.path());
    catalogue.read();                                       // no XL.dat yet: empty
    EXPECT_TRUE(catalogue.entries().isEmpty());
    EXPECT_EQ(catalogue.add(QStringLiteral("  A1  ")), Result::Added);
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray("A1\r\n"));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(dir.read(QStringLiteral("线路参数/A1") + kExts[k]), dir.read(kTemplates[k])) << kExts[k];

    EXPECT_EQ(catalogue.add(QStringLiteral("a1")), Result::Added);        // letter case counts
    EXPECT_EQ(catalogue.add(QStringLiteral("沪昆高速")), Result::Added);
    const QByteArray before = dir.read("temp/XL.dat");
    EXPECT_EQ(catalogue.add(QStringLiteral(" A1")), Result::Duplicate);
    EXPECT_EQ(catalogue.add(QStringLiteral("   ")), Result::Empty);
    EXPECT_EQ(dir.read("temp/XL.dat"), before);
    EXPECT_EQ(before, gbk(QStringLiteral("A1\r\na1\r\n沪昆高速\r\n")));
    EXPECT_EQ(routeFileCount(dir), 12);

    RouteCatalogue again(dir.path());
    again.read();
    EXPECT_EQ(again.entries(), (QStringList{"A1", "a1", "沪昆高速"}));
}

TEST(RouteCatalogue, BadNamesAndMissingInstallationDataCreateNothing)
{
    struct Case { QString name; const char* says; };
    const Case cases[] = {
        {QStringLiteral("a/b"), "不能含有字符"},       {QStringLiteral("a:b"), "不能含有字符"},
        {QStringLiteral("a?"), "不能含有字符"},        {QStringLiteral("tab\there"), "不能含有字符"},
        {QStringLiteral("名称😀"), "GBK"},             {QString(61, u'x'), "60"},
        {QStringLiteral(".."), "结尾"},
    };
    AppDir dir;
    RouteCatalogue catalogue(dir.path());
    for (const Case& c : cases) {
        try {
            catalogue.add(c.name);
            ADD_FAILURE() << c.name.toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << e.what();
        }
    }
    EXPECT_EQ(catalogue.add(QString(60, u'x')), Result::Added);   // 60 characters fit

    QFile::remove(dir.file("temp/kkk.dat"));
    EXPECT_THROW(catalogue.add(QStringLiteral("B")), UserError);
    EXPECT_EQ(routeFileCount(dir), 4);
    EXPECT_EQ(catalogue.entries().size(), 1);

    AppDir noRouteDir;
    QDir(noRouteDir.file("线路参数")).removeRecursively();
    RouteCatalogue other(noRouteDir.path());
    EXPECT_THROW(other.add(QStringLiteral("B")), UserError);
    EXPECT_FALSE(noRouteDir.exists("temp/XL.dat"));
}

TEST(RouteCatalogue, AFailedCatalogueWriteTakesTheFilesBack)
{
    AppDir dir;
    RouteCatalogue catalogue(dir.path());
    // A directory where the catalogue file should be makes its write fail.
    QDir().mkpath(dir.file("temp/XL.dat"));
    EXPECT_THROW(catalogue.add(QStringLiteral("B")), UserError);
    EXPECT_EQ(routeFileCount(dir), 0);
    EXPECT_TRUE(catalogue.entries().isEmpty());
}

TEST(RouteCatalogue, DeletingClosesUpAndRemovesTheFiles)
{
    AppDir dir;
    RouteCatalogue catalogue(dir.path());
    for (const char* name : {"A", "B", "C"})
        catalogue.add(QString::fromLatin1(name));
    QFile::remove(dir.file("线路参数/B.cho"));               // already gone: not an error
    catalogue.remove(1);
    EXPECT_EQ(catalogue.entries(), (QStringList{"A", "C", ""}));
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray("A\r\nC\r\n"));
    for (const char* ext : kExts)
        EXPECT_FALSE(dir.exists(QStringLiteral("线路参数/B") + ext));
    EXPECT_EQ(routeFileCount(dir), 8);

    EXPECT_EQ(catalogue.add(QStringLiteral("D")), Result::Added);  // takes the empty entry
    EXPECT_EQ(catalogue.entries(), (QStringList{"A", "C", "D"}));

    catalogue.remove(0);
    catalogue.remove(0);
    catalogue.remove(0);
    EXPECT_TRUE(dir.exists("temp/XL.dat"));
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray());        // 0 bytes, no blank line
    EXPECT_EQ(routeFileCount(dir), 0);
    RouteCatalogue again(dir.path());
    again.read();
    EXPECT_TRUE(again.entries().isEmpty());
}

TEST(RouteCatalogue, DeletingALineThatCannotBeARouteTouchesNoFile)
{
    // A catalogue edited by hand: its second line would lead the deletion
    // out of 线路参数 to files beside the application directory.
    AppDir dir;
    RouteCatalogue catalogue(dir.path());
    catalogue.add(QStringLiteral("A"));
    dir.write("temp/XL.dat", gbk(QStringLiteral("A\r\n../资料\r\n")));
    for (const char* ext : kExts)
        dir.write(QStringLiteral("资料") + ext, "keep");
    catalogue.read();
    try {
        catalogue.remove(1);
        FAIL() << "the user is told that no file was deleted";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("线路“../资料”已从线路列表中删除。"
                                              "线路名称不能含有字符 \\ / : * ? \" < > | 或控制字符。"
                                              "因此没有删除任何文件。"));
    }
    EXPECT_EQ(catalogue.entries(), (QStringList{"A", ""}));
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray("A\r\n"));
    for (const char* ext : kExts)
        EXPECT_EQ(dir.read(QStringLiteral("资料") + ext), QByteArray("keep")) << ext;
    EXPECT_EQ(routeFileCount(dir), 4);
}

} // namespace
} // namespace quarvane
