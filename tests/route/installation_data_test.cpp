// The installation data laid beside the executables: templates, the demo
// route with its catalogue, the sample points and the pictures.
#include "route/route_catalogue.h"
#include "route/route_tables.h"
#include "text/gbk_file.h"

#include "support/app_dir.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::dataFile;

TEST(InstallationData, TemplatesHoldOnlyACaptionLine)
{
    for (TableKind kind : kAllKinds) {
        const QStringList lines = readGbkLines(dataFile(QStringLiteral("temp/") + tableInfo(kind).templateName));
        ASSERT_EQ(lines.size(), 1) << tableInfo(kind).templateName.toStdString();
        EXPECT_FALSE(lines[0].trimmed().isEmpty());
    }
}

TEST(InstallationData, TheDemoRouteIsCataloguedAndLoadsWithWholeRecords)
{
    RouteCatalogue catalogue(QStringLiteral(QUARVANE_DATA_DIR));
    catalogue.read();
    ASSERT_EQ(catalogue.entries(), QStringList{QStringLiteral("演示线路")});
    const RouteTables t = loadRouteTables(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"));
    EXPECT_GE(t.yaosup.records(), 4);
    EXPECT_GE(t.yaosus.records(), 3);
    EXPECT_GE(t.yaosuc.records(), 3);
    EXPECT_GE(t.yaosul.records(), 2);
    for (TableKind kind : kAllKinds) {
        const QString path = tableFile(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"), kind);
        const QStringList lines = readGbkLines(path);
        const QStringList templ = readGbkLines(dataFile(QStringLiteral("temp/") + tableInfo(kind).templateName));
        EXPECT_EQ(lines[0], templ[0]);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].size(), 14 * tableInfo(kind).fieldCount) << path.toStdString() << " line " << i + 1;
            EXPECT_EQ(lines[i].left(14).trimmed(), QString::number(i));
        }
    }
}

TEST(InstallationData, PicturesAreBitmapsOfTheirSize)
{
    struct Case { const char* name; int width; int height; };
    const Case cases[] = {{"ooo.bmp", 333, 374}, {"ooo1.bmp", 316, 264}, {"jie.BMP", 333, 374}, {"jie1.BMP", 316, 264}};
    for (const Case& c : cases) {
        QFile f(dataFile(QStringLiteral("Picture/") + QLatin1String(c.name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.name;
        const QByteArray header = f.read(26);
        ASSERT_EQ(header.left(2), QByteArray("BM")) << c.name;
        const auto le32 = [&](int at) { return qFromLittleEndian<qint32>(header.constData() + at); };
        EXPECT_EQ(le32(18), c.width) << c.name;
        EXPECT_EQ(std::abs(le32(22)), c.height) << c.name;
    }
}

TEST(InstallationData, TheSamplePointsFileIsGbkNameXYElevation)
{
    const QStringList lines = readGbkLines(dataFile(QStringLiteral("演示线路测点.txt")));
    ASSERT_GE(lines.size(), 20);
    for (const QString& line : lines) {
        const QStringList parts = line.split(u',');
        EXPECT_TRUE(parts.size() == 3 || parts.size() == 4) << line.toStdString();
    }
}

} // namespace
} // namespace quarvane
