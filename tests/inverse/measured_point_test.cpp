// The measured-point screen and the file of measured points, cell by cell.
#include "inverse/coordinate_file.h"
#include "inverse/measured_point.h"
#include "text/user_error.h"

#include "support/app_dir.h"
#include "support/xls_reader.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

void setRow(DesignTable& t, int row, const QStringList& fields)
{
    for (int j = 0; j < fields.size(); ++j)
        t(row, j + 1) = fields[j];
}

// A straight route along +X from (3456000, 512000): station s at
// (3456000 + s, 512000); the profile rises 1 % from 100; crown -2 %; one
// section 0..5000, 12 m each side, shoulders 0.75 at -4 %, one slope stage
// 1:1.5 after a 1 m ditch berm, starting height 0.5.
struct Fixture : StandaloneWorkspace {
    Workspace w = workspace();
    InverseState state;

    Fixture()
    {
        setRow(tables.yaosup, 1, {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "3456000", "512000"});
        setRow(tables.yaosus, 1, {"1", "0", "100", "0", "0", "0", "1", "1"});
        setRow(tables.yaosuc, 1, {"1", "0", "-2", "5000", "-2", "0", "-2", "5000", "-2"});
        QStringList lbp = {"1", "0", "5000", "1", "1", "12", "12", "12", "12", "0.75", "-4", "0.75", "-4", "1", "1", "1", "1"};
        lbp += {"1", "0.5", "8", "1.5", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        lbp += {"1", "0.5", "8", "1.5", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        setRow(tables.yaosul, 1, lbp);
    }
};

TEST(MeasuredPoint, ComputesThenRecordsARow)
{
    Fixture f;
    MeasuredPoint m;
    m.Text10[4] = "3456850";
    m.Text10[5] = "512008";
    m.Text10[12] = "108.5";
    m.zhuangcomp(f.w, f.state);
    EXPECT_EQ(m.Text10[6], "850");
    EXPECT_EQ(m.Text10[7], "8");
    EXPECT_EQ(m.Text10[13], "108.36");   // 108.5 - (8 - 1) x 2 %
    EXPECT_EQ(m.Text10[14], "-0.14");
    EXPECT_EQ(m.Text10[16], "12");
    EXPECT_TRUE(f.List1.isEmpty());
    m.zhuangok(f.w);
    const char* row[] = {"1", "3456850.000", "512008.000", "108.500", "K00+850.000", "8.000", "108.360", "-0.140", "12.000"};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(f.jieguo(1, c).toStdString(), row[c - 1]) << c;
    ASSERT_EQ(f.List1.size(), 2);
    EXPECT_EQ(f.List1[0], measuredReportHeader());
    EXPECT_TRUE(f.List1[1].startsWith(QStringLiteral("1             3456850.000   512008.000    108.500       K00+850.000   ")));
    EXPECT_EQ(f.List1[1].size(), 140);
    EXPECT_EQ(m.Text10[4], "");
    EXPECT_EQ(m.Text10[0], "实测X坐标");

    // An empty elevation is recorded as empty text; a station of 1000 as K01+000.000.
    m.Text10[4] = "3457000";
    m.Text10[5] = "512000";
    m.zhuangcomp(f.w, f.state);
    m.zhuangok(f.w);
    EXPECT_EQ(f.jieguo(2, 4), "");
    EXPECT_EQ(f.jieguo(2, 5), "K01+000.000");
    EXPECT_EQ(f.List1[2].mid(42, 14), QString(14, u' '));
}

TEST(MeasuredPoint, Refusals)
{
    Fixture f;
    MeasuredPoint m;
    EXPECT_THROW(m.zhuangok(f.w), UserError);   // nothing computed
    m.Text10[4] = "3456850";
    m.Text10[5] = "51200八";
    EXPECT_THROW(m.zhuangcomp(f.w, f.state), UserError);
    EXPECT_EQ(m.Text10[6], "");
    f.tables.clear();
    m.Text10[5] = "512000";
    EXPECT_THROW(m.zhuangcomp(f.w, f.state), UserError);
    EXPECT_TRUE(f.List1.isEmpty());
    EXPECT_EQ(f.jieguo(1, 1), "");
}

TEST(MeasuredPoint, SavesTextAndWorkbook)
{
    Fixture f;
    MeasuredPoint m;
    for (int k = 1; k <= 10; ++k) {
        m.Text10[4] = QString::number(3456000 + 100 * k);
        m.Text10[5] = "512003";
        m.Text10[12] = "100";
        m.zhuangcomp(f.w, f.state);
        m.zhuangok(f.w);
    }
    test::AppDir dir;
    saveMeasuredResults(dir.path(), f.jieguo, SaveChoice{dir.file("p.csv"), 4});
    const QList<QByteArray> lines = dir.read("p.csv").split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_TRUE(lines[0].startsWith(test::gbk(QStringLiteral("序号,X坐标,  Y坐标,"))));
    EXPECT_TRUE(lines[10].startsWith(" 10 ,3457000.000,512003.000,100.000,K01+000.000,3.000,"));
    saveMeasuredResults(dir.path(), f.jieguo, SaveChoice{dir.file("p.xls"), 1});
    EXPECT_EQ(dir.read("p.xls"), dir.read("temp/ppp.xls"));
    const test::ReadBack book = test::readWithXlrd(dir.file("p.xls"));
    ASSERT_TRUE(book.error.isEmpty()) << book.error.toStdString();
    EXPECT_EQ(book.rows, 11);
    EXPECT_EQ(book.cells.at({1, 6}), test::quoted(QStringLiteral("到中线距离")));
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 10; ++c)
            if (!f.jieguo(r, c).isEmpty()) {
                EXPECT_EQ(book.cells.at({r + 1, c}), test::quoted(f.jieguo(r, c))) << r << "," << c;
            }
}

TEST(CoordinateFile, SplittingLines)
{
    struct Case { const char* line; const char *X, *Y, *H, *problem; };
    const Case cases[] = {
        {"A1,3456789.123,512345.678,45.6", "3456789.123", "512345.678", "45.6", ""},
        {"A2,3456799.100,512350.000", "3456799.100", "512350.000", "000", ""},
        {"A3, 100 , 200 ,7,remark", " 100 ", " 200 ", "7", ""},
        {"A4,1,2,", "1", "2", "", "高程"},
        {"A5,1", "", "", "", "分不出X和Y"},
        {"   ", "", "", "", "分不出X和Y"},
        {"A6,x1,2", "x1", "2", "000", "X坐标“x1”"},
        {"A7,1,2y", "1", "2y", "000", "Y坐标“2y”"},
    };
    for (const Case& c : cases) {
        const PointLine p = splitPointLine(QString::fromUtf8(c.line));
        EXPECT_EQ(p.X.toStdString(), c.X) << c.line;
        EXPECT_EQ(p.Y.toStdString(), c.Y) << c.line;
        if (*c.problem == 0) {
            EXPECT_EQ(p.H.toStdString(), c.H) << c.line;
            EXPECT_TRUE(p.problem.isEmpty()) << c.line << p.problem.toStdString();
        } else {
            EXPECT_TRUE(p.problem.contains(QString::fromUtf8(c.problem))) << c.line << " " << p.problem.toStdString();
        }
    }
}

TEST(CoordinateFile, RecordsEveryGoodPointAndReportsTheRest)
{
    Fixture f;
    MeasuredPoint m;
    const QStringList lines = {"P1,3456100,512005,101", "", "P2, 3456200 , 511990 ", "bad line", "P3,3456300,512000,abc",
                               "P4,9456300,512004,100", "   ", "P5,3456400,512000,1,remark"};
    const CoordinateRun run = runCoordinateLines(lines, m, f.w, f.state);
    EXPECT_EQ(run.read, 4);
    ASSERT_EQ(run.skipped.size(), 3u);
    EXPECT_EQ(run.skipped[0].lineNumber, 4);
    EXPECT_EQ(run.skipped[1].lineNumber, 5);
    EXPECT_EQ(run.skipped[2].lineNumber, 7);   // a line of blanks is a point line that cannot be split
    EXPECT_EQ(f.jieguo(2, 1), "2");
    EXPECT_EQ(f.jieguo(2, 2), "3456200.000");
    EXPECT_EQ(f.jieguo(2, 4), "0.000");        // no elevation: "000"
    EXPECT_EQ(f.jieguo(3, 5), "K6000+300.000"); // beyond the sections: station and offset all the same
    EXPECT_EQ(f.jieguo(3, 7), noSectionNote());
    EXPECT_EQ(f.jieguo(4, 5), "K00+400.000");
    EXPECT_EQ(f.List1.size(), 5);
    EXPECT_EQ(m.Text10[4], "3456400");         // the grid shows the last point
    const QString summary = run.summary();
    EXPECT_TRUE(summary.contains(QStringLiteral("读入4个点")));
    EXPECT_TRUE(summary.contains(QStringLiteral("第5行：高程“abc”不是数字")));

    // A point typed afterwards is numbered on.
    m.Text10[4] = "3456500";
    m.Text10[5] = "512000";
    m.zhuangcomp(f.w, f.state);
    m.zhuangok(f.w);
    EXPECT_EQ(f.jieguo(5, 1), "5");
}

TEST(CoordinateFile, ReadingTheFile)
{
    test::AppDir dir;
    dir.write("pts.txt", test::gbk(QStringLiteral("点1,1,2,3\r\n点2,4,5\r点3,6,7\n")));
    EXPECT_EQ(readPointFile(dir.file("pts.txt")), (QStringList{"点1,1,2,3", "点2,4,5", "点3,6,7"}));
    dir.write("bin.dat", QByteArray("a\0b", 3));
    EXPECT_THROW(readPointFile(dir.file("bin.dat")), UserError);
    EXPECT_THROW(readPointFile(dir.file("missing.txt")), UserError);
}

} // namespace
} // namespace quarvane
