#include "route/route_tables.h"
#include "text/fields.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>

namespace quarvane {
namespace {

using test::AppDir;
using test::gbk;

QString caption(TableKind kind)
{
    QString line;
    for (const QString& c : tableInfo(kind).captions)
        line += padField(c);
    return line;
}

void writeTable(const AppDir& dir, const QString& route, TableKind kind, const QStringList& records)
{
    QString text = caption(kind) + QStringLiteral("\r\n");
    for (const QString& r : records)
        text += r + QStringLiteral("\r\n");
    dir.write(QStringLiteral("线路参数/") + route + tableInfo(kind).extension, gbk(text));
}

void writeRoute(const AppDir& dir, const QString& route, int pinRecords)
{
    QStringList pin;
    for (int k = 1; k <= pinRecords; ++k)
        pin.append(recordLine({QString::number(k), QStringLiteral("10.3045"), QStringLiteral("50")}));
    writeTable(dir, route, TableKind::Pin, pin);
    writeTable(dir, route, TableKind::Shu, {recordLine({"1", "0", "100"})});
    writeTable(dir, route, TableKind::Cho, {});
    writeTable(dir, route, TableKind::Lbp, {recordLine({"1", "0", "1000", "1.5"})});
}

TEST(RouteTables, KindsHaveTheirFieldCountsAndFiles)
{
    struct Case { TableKind kind; int fields; const char* ext; const char* tmpl; };
    const Case cases[] = {{TableKind::Pin, 16, ".pin", "ooo.dat"}, {TableKind::Shu, 8, ".shu", "sss.dat"},
                          {TableKind::Cho, 9, ".cho", "ccc.dat"}, {TableKind::Lbp, 47, ".lbp", "kkk.dat"}};
    for (const Case& c : cases) {
        EXPECT_EQ(tableInfo(c.kind).fieldCount, c.fields);
        EXPECT_EQ(tableInfo(c.kind).captions.size(), c.fields);
        EXPECT_EQ(tableInfo(c.kind).extension, QLatin1String(c.ext));
        EXPECT_EQ(tableInfo(c.kind).templateName, QLatin1String(c.tmpl));
    }
    EXPECT_EQ(RouteNames::of(QStringLiteral("G1")).XLlbp, QStringLiteral("G1.lbp"));
}

TEST(RouteTables, LoadsRecordsByPositionAndKeepsLeadingBlanks)
{
    AppDir dir;
    writeRoute(dir, "R", 0);
    // The third record is cut short after its third field.
    writeTable(dir, "R", TableKind::Pin,
               {recordLine({"1", "12.5"}), recordLine({"7", "-3.1"}),
                QStringLiteral("3             4             5")});
    writeTable(dir, "R", TableKind::Lbp, {QStringLiteral("  1           abc")});
    const RouteTables t = loadRouteTables(dir.path(), "R");
    EXPECT_EQ(t.yaosup.records(), 3);
    EXPECT_EQ(t.yaosup(1, 2), QStringLiteral("12.5"));
    EXPECT_EQ(t.yaosup(2, 1), QStringLiteral("7"));      // record 7 is row 2
    EXPECT_EQ(t.yaosup(3, 3), QStringLiteral("5"));
    EXPECT_EQ(t.yaosup(3, 4), QString());                // missing fields are empty
    EXPECT_EQ(t.yaosup.number(3, 4), 0.0);                // and read as 0
    EXPECT_EQ(t.yaosup(4, 1), QString());
    EXPECT_EQ(t.yaosul(1, 1), QStringLiteral("  1"));    // leading blanks remain
    EXPECT_EQ(t.yaosul.leadingNumber(1, 2), 0.0);        // "abc" reads as 0
    EXPECT_EQ(t.yaosuc.records(), 0);                    // caption line only: empty table
}

TEST(RouteTables, ANonNumericCellIsReportedWithTableRowAndField)
{
    DesignTable t(TableKind::Pin);
    t(2, 3) = QStringLiteral("1O0");
    try {
        t.number(2, 3);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("平曲线参数第2行“第一缓和曲线长”不是数字：“1O0”。"));
    }
    t(2, 4) = QStringLiteral(" ");
    EXPECT_EQ(t.number(2, 4), 0.0);
}

TEST(RouteTables, LoadingIsAllOrNothing)
{
    AppDir dir;
    writeRoute(dir, "Ten", 10);
    writeRoute(dir, "Three", 3);
    RouteTables current = loadRouteTables(dir.path(), "Ten");
    current = loadRouteTables(dir.path(), "Three");
    EXPECT_EQ(current.yaosup(3, 1), QStringLiteral("3"));
    EXPECT_TRUE(current.yaosup(4, 1).isEmpty());         // rows of the earlier route are gone

    struct Case { const char* what; std::function<void()> spoil; const char* says; };
    const Case cases[] = {
        {"missing .cho", [&] { QFile::remove(dir.file("线路参数/Bad.cho")); }, "Bad.cho"},
        {"no caption line", [&] { dir.write("线路参数/Bad.shu", QByteArray()); }, "标题行"},
        {"not GBK", [&] { dir.write("线路参数/Bad.lbp", QByteArray("caption\r\n\x81\x20\r\n", 13)); }, "GBK"},
        {"601 records", [&] { writeRoute(dir, "Bad", 601); }, "600"},
    };
    for (const Case& c : cases) {
        writeRoute(dir, "Bad", 2);
        c.spoil();
        try {
            current = loadRouteTables(dir.path(), "Bad");
            ADD_FAILURE() << c.what;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.what << ": " << e.what();
        }
        EXPECT_EQ(current.yaosup(3, 1), QStringLiteral("3")) << c.what;
    }
    writeRoute(dir, "Full", 600);
    EXPECT_EQ(loadRouteTables(dir.path(), "Full").yaosup(600, 1), QStringLiteral("600"));
}

// A record written by the code is byte for byte the file format: fields of
// 14 characters counted after decoding, GBK, CR LF.
TEST(RouteTables, SavingWritesTheExactBytes)
{
    AppDir dir;
    const QString captionLine = QStringLiteral("我们的标题行 caption");
    const QString record = padField("1") + padField(" 12.5 ") + padField("左幅") + padField("-2");
    saveTable(dir.path(), "R", TableKind::Cho, {captionLine, record, QString(), QString()});
    QByteArray expected = gbk(captionLine) + "\r\n" + "1             12.5          "
        + gbk(QStringLiteral("左幅")) + QByteArray(12, ' ') + "-2            " + "\r\n";
    EXPECT_EQ(dir.read("线路参数/R.cho"), expected);

    saveTable(dir.path(), "R", TableKind::Cho, {captionLine});
    EXPECT_EQ(dir.read("线路参数/R.cho"), gbk(captionLine) + "\r\n");
}

TEST(RouteTables, SavingDoesNotChangeTheLoadedTables)
{
    AppDir dir;
    writeRoute(dir, "R", 2);
    const RouteTables loaded = loadRouteTables(dir.path(), "R");
    saveTable(dir.path(), "R", TableKind::Pin, {caption(TableKind::Pin)});
    EXPECT_EQ(loaded.yaosup.records(), 2);
    EXPECT_EQ(loadRouteTables(dir.path(), "R").yaosup.records(), 0);
}

} // namespace
} // namespace quarvane
