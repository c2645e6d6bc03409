// The structure screen: the seven points into the grid, blocks of eight rows
// and report lines, and its text and workbook.
#include "structure/structure_screen.h"
#include "text/user_error.h"

#include "support/app_dir.h"
#include "support/xls_reader.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

// A straight route heading +X through (1000, 2000) at station 0.
struct Fixture : StandaloneWorkspace {
    Workspace w = workspace();

    Fixture()
    {
        const char* row[] = {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1000", "2000"};
        for (int j = 1; j <= 16; ++j)
            tables.yaosup(1, j) = QString::fromLatin1(row[j - 1]);
    }
};

void type(StructureScreen& s, std::initializer_list<const char*> inputs)
{
    int k = 6;
    for (const char* text : inputs)
        s.Text11[std::size_t(k++)] = QString::fromUtf8(text);
}

TEST(StructureScreen, ComputesTheSevenPointsIntoTheGrid)
{
    Fixture f;
    StructureScreen s;
    type(s, {"1234.5", "90", "10", "10", "2", ""});
    s.jiegoucomp(f.w);
    EXPECT_EQ(s.Text11[11], "0");
    EXPECT_EQ(s.Text12[5], "1234.5");
    EXPECT_EQ(s.Text12[7], "B=90");
    EXPECT_EQ(s.Text12[12], "Lz=10");
    EXPECT_EQ(s.Text12[17], "Dh=2");
    EXPECT_EQ(s.Text12[37], "Dq=0");
    struct Case { int cell; const char *X, *Y; };
    const Case cases[] = {{8, "2234.500", "2000.000"},  {13, "2234.500", "1990.000"}, {18, "2232.500", "1990.000"},
                          {23, "2234.500", "1990.000"}, {28, "2234.500", "2010.000"}, {33, "2232.500", "2010.000"},
                          {38, "2234.500", "2010.000"}};
    for (const Case& c : cases) {
        EXPECT_EQ(s.Text12[std::size_t(c.cell)].toStdString(), c.X) << c.cell;
        EXPECT_EQ(s.Text12[std::size_t(c.cell + 1)].toStdString(), c.Y) << c.cell;
    }
    EXPECT_TRUE(f.List1.isEmpty());
}

TEST(StructureScreen, TwoStructuresMakeTwoBlocks)
{
    Fixture f;
    StructureScreen s;
    type(s, {"100", "45.3015", "8", "9", "2", "2.5"});
    s.jiegoucomp(f.w);
    s.jiegouok(f.w);
    EXPECT_EQ(s.Text11[6], "");
    EXPECT_EQ(s.Text12[8], "");
    EXPECT_EQ(s.Text12[6], "中心点");
    type(s, {"0", "90", "5", "5", "1", "1"});   // station 0 is a real station
    s.jiegoucomp(f.w);
    EXPECT_EQ(s.Text12[5], "");
    s.jiegouok(f.w);
    EXPECT_EQ(f.jieguo(1, 1), "桩 号");
    EXPECT_EQ(f.jieguo(2, 1), "K00+100.000");
    EXPECT_EQ(f.jieguo(2, 3), "B=45.3015");
    EXPECT_EQ(f.jieguo(7, 2), "右  后");
    EXPECT_EQ(f.jieguo(9, 4), "X 坐标");
    EXPECT_EQ(f.jieguo(10, 1), "K00+000.000");
    EXPECT_EQ(f.jieguo(17, 1), "");
    ASSERT_EQ(f.List1.size(), 17);
    EXPECT_EQ(f.List1[0], structureReportHeader());
    EXPECT_TRUE(f.List1[1].startsWith(QStringLiteral("1             K00+100.000   中心点        B=45.3015     ")));
    EXPECT_TRUE(f.List1[2].startsWith(QStringLiteral("2                           左轴线        Lz=8          ")));
    EXPECT_EQ(f.List1[8], QString());
    EXPECT_TRUE(f.List1[9].startsWith(QStringLiteral("9             K00+000.000")));
    EXPECT_EQ(f.List1[16], QString());

    test::AppDir dir;
    saveStructureResults(dir.path(), f.jieguo, SaveChoice{dir.file("s.txt"), 3});
    const QByteArray text = dir.read("s.txt");
    EXPECT_EQ(text.count("\r\n"), 14);
    EXPECT_TRUE(text.startsWith(" 1 ," + f.jieguo(2, 4).toLatin1() + "," + f.jieguo(2, 5).toLatin1() + ",000,"
                                + test::gbk(QStringLiteral("中心点 B=45.3015 K00+100.000\r\n"))));
    EXPECT_TRUE(text.contains(test::gbk(QStringLiteral(",000,左轴线 Lz=8 \r\n"))));
    EXPECT_TRUE(text.contains("\r\n 14 ,"));

    saveStructureResults(dir.path(), f.jieguo, SaveChoice{dir.file("s.xls"), 1});
    EXPECT_EQ(dir.read("s.xls"), dir.read("temp/jjj.xls"));
    const test::ReadBack book = test::readWithXlrd(dir.file("s.xls"));
    ASSERT_TRUE(book.error.isEmpty()) << book.error.toStdString();
    EXPECT_EQ(book.rows, 16);
    EXPECT_EQ(book.cells.at({1, 1}), test::quoted(QStringLiteral("桩 号")));
    EXPECT_EQ(book.cells.at({9, 4}), test::quoted(QStringLiteral("X 坐标")));
    EXPECT_EQ(book.cells.at({10, 1}), test::quoted(QStringLiteral("K00+000.000")));
}

TEST(StructureScreen, Refusals)
{
    struct Case { const char* name; std::initializer_list<const char*> inputs; bool confirm; bool loaded; const char* says; };
    const Case cases[] = {
        {"skew not a number", {"100", "4五", "1", "1", "1", "1"}, false, true, "右夹角“4五”不是数字"},
        {"station not a number", {"1oo", "90", "1", "1", "1", "1"}, false, true, "桩号“1oo”不是数字"},
        {"no route", {"100", "90", "1", "1", "1", "1"}, false, false, "没有载入平曲线参数"},
        {"confirm without computing", {"100", "90", "1", "1", "1", "1"}, true, true, "请先按“计 算”"},
    };
    for (const Case& c : cases) {
        Fixture f;
        if (!c.loaded)
            f.tables.clear();
        StructureScreen s;
        type(s, c.inputs);
        const StructureGrid before = s.Text12;
        try {
            if (c.confirm)
                s.jiegouok(f.w);
            else
                s.jiegoucomp(f.w);
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << c.name << ": " << e.what();
        }
        EXPECT_EQ(s.Text12, before) << c.name;
        EXPECT_EQ(f.jieguo(1, 1), "") << c.name;
    }
}

} // namespace
} // namespace quarvane
