// The single-point and batch screens' rules, cell by cell, and their text
// export, on small routes whose values are worked by hand.
#include "stakeout/batch.h"
#include "stakeout/result_saving.h"
#include "stakeout/single_point.h"
#include "text/user_error.h"

#include "support/app_dir.h"
#include "support/xls_reader.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

namespace quarvane {
namespace {

void setRow(DesignTable& t, int row, const QStringList& fields)
{
    for (int j = 0; j < fields.size(); ++j)
        t(row, j + 1) = fields[j];
}

// A circular arc of radius 100 turning 90 degrees right from (0, 0) heading
// +X; the profile rises 1 % from 100 at station 0; crown -2 % both sides.
RouteTables arcRoute()
{
    RouteTables t;
    setRow(t.yaosup, 1, {"1", "90", "0", "0", "0", "0", "0", "0", "100", "100", "157.07963", "100", "0", "0", "100", "0"});
    setRow(t.yaosus, 1, {"1", "0", "100", "0", "0", "0", "1", "1"});
    setRow(t.yaosuc, 1, {"1", "0", "-2", "1000", "-2", "0", "-2", "1000", "-2"});
    return t;
}

struct Fixture : StandaloneWorkspace {
    Workspace w = workspace();
    Fixture() { tables = arcRoute(); }
};

TEST(SinglePoint, ComputesTheThreeStakes)
{
    Fixture f;
    SinglePoint s;
    s.Text1[6] = "78.539815";
    s.Text1[20] = "10";
    s.comp1(f.w);
    EXPECT_EQ(s.Text1[9], "70.711");
    EXPECT_EQ(s.Text1[10], "29.289");
    EXPECT_EQ(s.Text1[11], "100.785");   // 100 + 78.539815 %
    EXPECT_EQ(s.Text1[21], "63.640");
    EXPECT_EQ(s.Text1[22], "36.360");
    EXPECT_EQ(s.Text1[23], "100.585");   // 10 m out at -2 %
    EXPECT_EQ(s.Text1[14], "");         // left offset 0: its row emptied
    EXPECT_EQ(s.Text1[15], "");
    EXPECT_TRUE(f.List1.isEmpty());      // computing records nothing
}

TEST(SinglePoint, EmptyInputsAreZeroAndAZeroElevationIsEmpty)
{
    Fixture f;
    f.tables.yaosus(1, 3) = "0";
    f.tables.yaosus(1, 7) = "0";
    f.tables.yaosus(1, 8) = "0";
    SinglePoint s;
    s.comp1(f.w);
    EXPECT_EQ(s.Text1[6], "0");
    EXPECT_EQ(s.Text1[9], "0.000");
    EXPECT_EQ(s.Text1[11], "");          // elevation 0.000 shows as empty
    for (std::size_t c : {14u, 17u, 20u, 23u})
        EXPECT_EQ(s.Text1[c], "") << c;
}

TEST(SinglePoint, ConfirmingRecordsGroupsAndNumberedLines)
{
    Fixture f;
    SinglePoint s;
    s.Text1[6] = "1234.5";
    s.Text1[14] = "5";
    s.Text1[20] = "7.25";
    s.comp1(f.w);
    s.ok11(f.w);
    ASSERT_EQ(f.List1.size(), 4);
    EXPECT_EQ(f.List1[0], QStringLiteral("点序号        X坐标         Y坐标         高程          桩号          边距          "));
    EXPECT_EQ(f.jieguo(1, 1), "K01+234.500");
    EXPECT_EQ(f.jieguo(1, 2), "中  桩");
    EXPECT_EQ(f.jieguo(2, 2), "左边桩");
    EXPECT_EQ(f.jieguo(2, 3), "5");
    EXPECT_EQ(f.jieguo(3, 3), "7.25");
    EXPECT_EQ(f.jieguo(1, 4), "100.000");    // on the tangent after the arc, heading +Y
    EXPECT_EQ(f.jieguo(1, 5), "1177.420");
    EXPECT_TRUE(f.List1[1].startsWith(QStringLiteral("1             ")));
    EXPECT_EQ(f.List1[1].size(), 70);
    EXPECT_TRUE(f.List1[2].endsWith(QStringLiteral("K01+234.500   Z5.000        "))) << f.List1[2].toStdString();
    EXPECT_TRUE(f.List1[3].endsWith(QStringLiteral("Y7.250        ")));
    EXPECT_EQ(s.Text1[6], "");           // inputs and results emptied for the next point
    EXPECT_EQ(s.Text1[7], "中  桩");

    // Only a right offset: the right line follows the centre line directly.
    s.Text1[6] = "10";
    s.Text1[20] = "3";
    s.comp1(f.w);
    s.ok11(f.w);
    ASSERT_EQ(f.List1.size(), 6);
    EXPECT_TRUE(f.List1[5].startsWith(QStringLiteral("5 ")));
    EXPECT_TRUE(f.List1[5].contains(QStringLiteral("Y3.000")));
    EXPECT_EQ(f.jieguo(4, 1), "K00+010.000");
    EXPECT_EQ(f.jieguo(5, 3), "");
}

TEST(SinglePoint, TheListGrowsPastNineteenLines)
{
    Fixture f;
    SinglePoint s;
    for (int k = 0; k < 19; ++k) {
        s.Text1[6] = QString::number(k * 10);
        s.comp1(f.w);
        s.ok11(f.w);
    }
    EXPECT_EQ(f.List1.size(), 20);
    EXPECT_EQ(f.VScroll1Max, 5);
    EXPECT_EQ(f.List1Height, 4830);
}

TEST(SinglePoint, RefusesAndRecordsNothing)
{
    struct Case { const char* name; std::function<void(Fixture&, SinglePoint&)> set; bool confirm; const char* says; };
    const Case cases[] = {
        {"station not a number", [](Fixture&, SinglePoint& s) { s.Text1[6] = "12a"; }, false, "桩号“12a”不是数字"},
        {"offset not a number", [](Fixture&, SinglePoint& s) { s.Text1[14] = "五"; }, false, "左边距“五”不是数字"},
        {"median not a number", [](Fixture& f, SinglePoint&) { f.Text13[1] = "x"; }, false, "左侧中分带宽度"},
        {"no route", [](Fixture& f, SinglePoint&) { f.tables.clear(); }, false, "没有载入线路参数"},
        {"confirming without a station", [](Fixture&, SinglePoint&) {}, true, "桩号为空"},
        {"the 20001st point",
         [](Fixture& f, SinglePoint& s) {
             for (int g = 1; g <= 60000; g += 3)
                 f.jieguo(g, 1) = "K";
             s.Text1[6] = "5";
         },
         true, "结果表已满"},
    };
    for (const Case& c : cases) {
        Fixture f;
        SinglePoint s;
        c.set(f, s);
        const StakeGrid before = s.Text1;
        try {
            if (c.confirm)
                s.ok11(f.w);
            else
                s.comp1(f.w);
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.name << ": " << e.what();
        }
        EXPECT_EQ(s.Text1, before) << c.name;
        EXPECT_TRUE(f.List1.isEmpty()) << c.name;
    }
}

QStringList stationsOf(double a, double b, double step)
{
    QStringList out;
    for (const QString& s : Batch::runStations(a, b, step, kMaxStations))
        out.append(s);
    return out;
}

TEST(Batch, StationsOfARun)
{
    EXPECT_EQ(stationsOf(0, 100, 20), (QStringList{"0", "20", "40", "60", "80"}));
    EXPECT_EQ(stationsOf(0, 100, 30), (QStringList{"0", "30", "60", "90"}));
    EXPECT_EQ(stationsOf(0, 0.8, 0.1), (QStringList{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"}));
    EXPECT_TRUE(stationsOf(100, 100, 5).isEmpty());
    EXPECT_TRUE(stationsOf(200, 100, -5).isEmpty());
    EXPECT_EQ(stationsOf(0, 20000, 1).size(), 20000);
    struct Case { double a, b, step; const char* says; };
    const Case refused[] = {{0, 100, 0, "间距必须大于0"}, {0, 100, -1, "间距必须大于0"},
                            {0, 20001, 1, "20001个桩"}, {0, 1e9, 0.001, "1000000000000个桩"},
                            {1e15, 1e15 + 4, 0.5, "太小"}};
    for (const Case& c : refused) {
        try {
            Batch::runStations(c.a, c.b, c.step, kMaxStations);
            ADD_FAILURE() << c.b;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << e.what();
        }
    }
}

TEST(Batch, ARunThenAnInsertion)
{
    Fixture f;
    Batch b;
    b.Text4[5] = "0";
    b.Text4[6] = "60";
    b.Text4[7] = "20";
    b.Text4[8] = "";      // no left stakes
    b.Text4[9] = "5";
    b.comp2(f.w);
    EXPECT_EQ(b.Text4[8], "0");
    EXPECT_EQ(f.jieguo(1, 1), "K00+000.000");
    EXPECT_EQ(f.jieguo(7, 1), "K00+040.000");
    EXPECT_EQ(f.jieguo(10, 1), "");
    EXPECT_EQ(f.jieguo(2, 2), "左边桩");   // a zero side keeps only its caption
    EXPECT_EQ(f.jieguo(2, 3), "");
    EXPECT_EQ(f.jieguo(2, 4), "");
    EXPECT_EQ(f.jieguo(3, 3), "5");
    ASSERT_EQ(f.List1.size(), 7);         // header, then centre and right lines
    EXPECT_TRUE(f.List1[2].startsWith(QStringLiteral("2 ")));
    EXPECT_TRUE(f.List1[2].contains(QStringLiteral("Y5.000")));
    EXPECT_EQ(b.Text5[6], "40");          // the grid shows the last station

    b.Text5[6] = "45";
    b.Text5[14] = "0";
    b.Text5[20] = "2";
    b.insert1(f.w);
    EXPECT_EQ(f.jieguo(10, 1), "K00+045.000");
    EXPECT_EQ(f.jieguo(11, 3), "0");      // inserted: the zero side is stored whole
    EXPECT_FALSE(f.jieguo(11, 4).isEmpty());
    EXPECT_EQ(b.Text5[14], "");           // and emptied on the screen
    ASSERT_EQ(f.List1.size(), 9);
    EXPECT_TRUE(f.List1[7].startsWith(QStringLiteral("7 ")));
    EXPECT_TRUE(f.List1[8].contains(QStringLiteral("Y2.000")));

    // A second run empties jieguo and appends to the report.
    b.comp2(f.w);
    EXPECT_EQ(f.jieguo(10, 1), "");
    EXPECT_EQ(f.List1.size(), 15);
}

TEST(Batch, ARunIsAllOrNothing)
{
    Fixture f;
    setRow(f.tables.yaosup, 2, {"2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1O0", "200", "90", "100", "200"});
    Batch b;
    b.Text4[5] = "0";
    b.Text4[6] = "300";
    b.Text4[7] = "50";
    f.jieguo(1, 1) = "K00+999.000";
    f.List1 = QStringList{"head", "1 earlier"};
    EXPECT_THROW(b.comp2(f.w), UserError);    // the station 250 reads row 2's bad radius
    EXPECT_EQ(f.jieguo(1, 1), "K00+999.000");
    EXPECT_EQ(f.List1.size(), 2);
    EXPECT_EQ(b.Text5[6], "");

    // A run longer than the report can take is refused before it starts.
    Fixture g;
    g.List1 = QStringList(59990, QStringLiteral("x"));
    b.Text4 = Batch().Text4;
    b.Text4[5] = "0";
    b.Text4[6] = "100";
    b.Text4[7] = "1";
    try {
        b.comp2(g.w);
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("100个桩"))) << e.what();
    }
    EXPECT_EQ(g.List1.size(), 59990);

    // Without a route there is nothing to compute: refused, as a single point is.
    Fixture none;
    none.tables.clear();
    EXPECT_THROW(Batch().comp2(none.w), UserError);
    EXPECT_THROW(Batch().insert1(none.w), UserError);
    EXPECT_TRUE(none.List1.isEmpty());
}

TEST(TextExport, NumbersSidesByPassesWithGaps)
{
    Fixture f;
    SinglePoint s;
    s.Text1[6] = "100";
    s.Text1[14] = "5";
    s.Text1[20] = "5";
    s.comp1(f.w);
    s.ok11(f.w);
    s.Text1[6] = "120";
    s.Text1[20] = "6";
    s.comp1(f.w);
    s.Text1[11].clear();   // an elevation not computed
    s.ok11(f.w);
    const TextExport text = forwardTextExport(f.jieguo);
    ASSERT_EQ(text.lines.size(), 5);
    const QString numbers[] = {" 1 ,", " 2 ,", " 3 ,", " 5 ,", " 6 ,"};
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(text.lines[k].startsWith(numbers[k])) << text.lines[k].toStdString();
    EXPECT_EQ(text.lines[1], " 2 ," + f.jieguo(4, 4) + "," + f.jieguo(4, 5) + ",000,K00+120.000");
    EXPECT_TRUE(text.lines[2].endsWith(QStringLiteral(",K00+100.000  Z5.000")));
    EXPECT_TRUE(text.lines[4].endsWith(QStringLiteral(",K00+120.000  Y6.000")));
    EXPECT_EQ(f.jieguo(4, 6), "");   // written back only once saved
    text.applyTo(f.jieguo);
    EXPECT_EQ(f.jieguo(4, 6), "000");
    EXPECT_EQ(f.jieguo(5, 6), "000");   // the missing left side's elevation too
    EXPECT_TRUE(forwardTextExport(ResultsTable()).lines.isEmpty());
}

// Two recorded points, the second without an elevation and a left stake.
void recordTwoPoints(Fixture& f)
{
    SinglePoint s;
    s.Text1[6] = "100";
    s.Text1[14] = "5";
    s.Text1[20] = "5";
    s.comp1(f.w);
    s.ok11(f.w);
    s.Text1[6] = "120";
    s.Text1[20] = "6";
    s.comp1(f.w);
    s.Text1[11].clear();
    s.ok11(f.w);
}

TEST(Saving, TheWorkbookReadsBackCellForCell)
{
    Fixture f;
    recordTwoPoints(f);
    test::AppDir dir;
    saveForwardResults(dir.path(), f.jieguo, SaveChoice{dir.file("result.xls"), 1});
    const test::ReadBack book = test::readWithXlrd(dir.file("result.xls"));
    ASSERT_TRUE(book.error.isEmpty()) << book.error.toStdString();
    EXPECT_EQ(book.rows, 7);
    test::Cells want;
    const char16_t* captions[] = {u"桩号", u"桩位", u"边距", u"X 坐标", u"Y 坐标", u"高程"};
    for (int c = 1; c <= 6; ++c)
        want[{1, c}] = test::quoted(QString::fromUtf16(captions[c - 1]));
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            if (!f.jieguo(r, c).isEmpty())
                want[{r + 1, c}] = test::quoted(f.jieguo(r, c));
    EXPECT_EQ(book.cells, want);
    EXPECT_EQ(dir.read("result.xls"), dir.read("temp/aaa.xls"));   // the template keeps the last export
    EXPECT_EQ(f.jieguo(4, 6), "");                                  // a workbook writes nothing back

    saveForwardResults(dir.path(), f.jieguo, SaveChoice{dir.file("result.et"), 2});
    EXPECT_EQ(dir.read("result.et"), dir.read("result.xls"));       // WPS: the same workbook
}

TEST(Saving, TextAndCsvAreTheSameText)
{
    Fixture f;
    recordTwoPoints(f);
    test::AppDir dir;
    saveForwardResults(dir.path(), f.jieguo, SaveChoice{dir.file("a.txt"), 3});
    const QByteArray first = dir.read("a.txt");
    EXPECT_TRUE(first.startsWith(" 1 ,"));
    EXPECT_TRUE(first.endsWith("Y6.000\r\n"));
    EXPECT_EQ(f.jieguo(4, 6), "000");
    saveForwardResults(dir.path(), f.jieguo, SaveChoice{dir.file("a.csv"), 4});
    EXPECT_EQ(dir.read("a.csv"), first);                            // saving twice: the same file
    EXPECT_EQ(dir.read("temp/aaa.txt"), first);
    saveForwardResults(dir.path(), f.jieguo, SaveChoice{QString(), 3});   // a cancelled dialog
}

TEST(Saving, AFailedSaveKeepsTheResultsAndTheEarlierFile)
{
    Fixture f;
    recordTwoPoints(f);
    test::AppDir dir;
    dir.write("keep.txt", "earlier");
    struct Case { const char* name; QString target; int filter; std::function<void()> spoil; };
    const Case cases[] = {
        {"target folder missing", dir.file("no/such/result.txt"), 3, [] {}},
        {"target folder missing, workbook", dir.file("no/such/result.xls"), 1, [] {}},
        {"temp missing", dir.file("keep.txt"), 3, [&] { QDir(dir.file("temp")).removeRecursively(); }},
    };
    for (const Case& c : cases) {
        c.spoil();
        EXPECT_THROW(saveForwardResults(dir.path(), f.jieguo, SaveChoice{c.target, c.filter}), UserError) << c.name;
        EXPECT_EQ(f.jieguo(4, 6), "") << c.name;   // no "000" written back
        EXPECT_EQ(dir.read("keep.txt"), "earlier") << c.name;
    }
}

} // namespace
} // namespace quarvane
