// The measured-point screen (坐标输入, 坐标读取) and the structure screen
// (结构物计算) driven through the real window on the demo route: the
// keyboard path through the grids, the buttons, the report, the results
// table, the saved and the read files. Expected values come from the
// engine itself.
#include "geometry/zcx.h"
#include "inverse/measured_point_view.h"
#include "inverse/station_offset.h"
#include "shell/form1.h"
#include "structure/structure_points.h"
#include "structure/structure_view.h"
#include "support/app_dir.h"
#include "support/screen_window.h"
#include "support/window_input.h"
#include "text/fields.h"
#include "text/number_text.h"
#include "text/station.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <cstdio>
#include <map>

namespace quarvane {
namespace {

using test::AppDir;
using test::focusedAndSelected;

struct Window : test::ScreenWindow {
    explicit Window(const AppDir& dir) : ScreenWindow(dir), m(*form.measuredView), s(*form.structureView) {}
    MeasuredPointView& m;
    StructureView& s;
};

// A point beside the centre line at a station, `offset` metres to the
// right (negative: left), as a surveyor's file gives it.
struct Measured {
    QString X, Y;
};

Measured pointBeside(const RouteTables& tables, double station, double offset)
{
    DesignTable yaosup = tables.yaosup;   // ZCX writes "0" into empty cells of its row
    const ZcxResult z = ZCX(station, offset < 0 ? -offset : 0, offset > 0 ? offset : 0, yaosup);
    const double x = offset < 0 ? z.Xz : z.Xy, y = offset < 0 ? z.Yz : z.Yy;
    return {QString::number(x, 'f', 3), QString::number(y, 'f', 3)};
}

// The results row and the report line of a point recorded as number n.
struct Recorded {
    QStringList row;   // columns 1..10
    QString line;
};

Recorded recorded(int n, const QString& X, const QString& Y, const QString& H, const StationOffset& r)
{
    Recorded out;
    out.row = {QString::number(n), format000(X), format000(Y), format000(H),
               stationNotation(r.station.toDouble()), format000(r.offset), format000(r.designElevation),
               format000(r.fillCut), format000(r.subgradeWidth), format000(r.deviation)};
    for (const QString& field : out.row)
        out.line += field.trimmed().leftJustified(14);
    return out;
}

TEST(InverseScreens, MeasuredPointFromTheKeyboard)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    MeasuredPointView& v = w.m;
    w.form.xyin->trigger();
    EXPECT_TRUE(w.form.zhuang->isVisible());
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));

    const Measured p = pointBeside(w.form.state().tables, 1234.5, 6.2);
    const QString H = QStringLiteral("241.3");
    w.enter(p.X);
    EXPECT_TRUE(focusedAndSelected(v.Text10[5]));
    w.enter(p.Y);
    EXPECT_TRUE(focusedAndSelected(v.Text10[12]));
    w.enter(H);
    // On the button, not pressed.
    EXPECT_EQ(w.focused(), v.zhuangcomp);
    EXPECT_EQ(v.Text10[6]->text(), QString());
    w.key(Qt::Key_Return);

    RouteTables tables = w.form.state().tables;
    InverseState fresh;
    const StationOffset r = stationAndOffset(p.X, p.Y, H, tables, fresh);
    const std::pair<int, QString> shown[] = {{6, r.station},  {7, r.offset},         {13, r.designElevation},
                                             {14, r.fillCut}, {16, r.subgradeWidth}, {15, r.deviation}};
    for (const auto& [cell, text] : shown)
        EXPECT_EQ(v.Text10[std::size_t(cell)]->text(), text) << "cell " << cell;
    EXPECT_NEAR(r.P, 1234.5, 0.002);
    EXPECT_NEAR(r.W, 6.2, 0.002);
    EXPECT_EQ(w.focused(), v.zhuangcomp);
    EXPECT_TRUE(w.report().isEmpty());

    v.zhuangok->setFocus();
    w.key(Qt::Key_Return);
    const Recorded one = recorded(1, p.X, p.Y, H, r);
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(w.jieguo(1, c), one.row[c - 1]) << "column " << c;
    EXPECT_EQ(w.jieguo(2, 1), QString());
    EXPECT_EQ(w.report(), (QStringList{measuredReportHeader(), one.line}));
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));
    for (int cell : {4, 5, 6, 7, 12, 13, 14, 15, 16})
        EXPECT_EQ(v.Text10[std::size_t(cell)]->text(), QString()) << "cell " << cell;
    EXPECT_EQ(v.Text10[17]->text(), QStringLiteral("路基设计宽"));

    // Saved as text: the caption line, then the point.
    w.choice = {dir.file("测点.txt"), 3};
    QTest::mouseClick(v.zhuangsavel, Qt::LeftButton);
    EXPECT_EQ(dir.read("测点.txt"),
              test::gbk(QStringLiteral("序号,X坐标,  Y坐标,         高程,   桩号,       偏距,  设计高程, 高差, 路基宽, 点位偏差\r\n")
                        + " 1 ," + one.row.mid(1).join(u',') + "\r\n"));
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();

    // Closing hides the screen and empties the report; the results stay.
    v.zhuangcancel->setFocus();
    w.key(Qt::Key_Enter);
    EXPECT_FALSE(w.form.zhuang->isVisible());
    EXPECT_TRUE(w.report().isEmpty());
    EXPECT_EQ(w.jieguo(1, 1), QStringLiteral("1"));
}

TEST(InverseScreens, MeasuredPointKeysAndHandOver)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    MeasuredPointView& v = w.m;
    w.form.xyin->trigger();
    v.Text10[12]->setFocus();
    QTest::keyClicks(v.Text10[12], QStringLiteral("12"));
    // The arrows move the focus wherever the caret stands.
    v.Text10[12]->setCursorPosition(2);
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text10[5]));
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));
    w.key(Qt::Key_Right);
    w.key(Qt::Key_Right);
    EXPECT_TRUE(focusedAndSelected(v.Text10[12]));
    w.key(Qt::Key_Right);
    EXPECT_EQ(w.focused(), v.zhuangcomp);
    // The offset cell hands the focus to the measured X.
    v.Text10[7]->setFocus();
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));
    // A result cell other than the offset is a text box whose edit is the state's.
    v.Text10[13]->setFocus();
    QTest::keyClicks(v.Text10[13], QStringLiteral("9"));
    EXPECT_EQ(w.form.state().measured.Text10[13], QStringLiteral("9"));
}

TEST(InverseScreens, CoordinateFileThroughTheOpenDialog)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    MeasuredPointView& v = w.m;
    RouteTables tables = w.form.state().tables;
    const Measured a = pointBeside(tables, 300, -4), b = pointBeside(tables, 2100, 11.25);
    // A good point, an empty line, a line without a number, a point without an elevation.
    dir.write("测点.txt", test::gbk("A1," + a.X + ',' + a.Y + ",245.6\r\n\r\nA2,北,东\r\nA3," + b.X + ',' + b.Y + "\r\n"));

    w.openAnswer = dir.file("测点.txt");
    w.form.xyread->trigger();
    EXPECT_EQ(w.openDialogs, 1);
    EXPECT_TRUE(w.form.zhuang->isVisible());
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();
    InverseState fresh;
    const Recorded one = recorded(1, a.X, a.Y, QStringLiteral("245.6"), stationAndOffset(a.X, a.Y, "245.6", tables, fresh));
    const Recorded two = recorded(2, b.X, b.Y, QStringLiteral("000"), stationAndOffset(b.X, b.Y, "000", tables, fresh));
    EXPECT_EQ(w.report(), (QStringList{measuredReportHeader(), one.line, two.line}));
    for (int c = 1; c <= 10; ++c) {
        EXPECT_EQ(w.jieguo(1, c), one.row[c - 1]) << "row 1 column " << c;
        EXPECT_EQ(w.jieguo(2, c), two.row[c - 1]) << "row 2 column " << c;
    }
    EXPECT_EQ(w.jieguo(2, 4), QStringLiteral("0.000"));
    EXPECT_EQ(w.jieguo(3, 1), QString());
    // The grid shows the last point; the focus stays in the measured X.
    EXPECT_EQ(v.Text10[4]->text(), b.X);
    EXPECT_EQ(v.Text10[12]->text(), QStringLiteral("000"));
    EXPECT_EQ(w.focused(), v.Text10[4]);
    ASSERT_EQ(w.information.size(), 1);
    EXPECT_TRUE(w.information[0].contains(QStringLiteral("读入2个点"))) << w.information[0].toStdString();
    EXPECT_TRUE(w.information[0].contains(QStringLiteral("第3行"))) << w.information[0].toStdString();
    EXPECT_FALSE(w.information[0].contains(QStringLiteral("第2行"))) << w.information[0].toStdString();

    // A point typed afterwards is numbered on.
    const Measured c = pointBeside(tables, 2500, 0);
    v.Text10[5]->setFocus();
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));
    w.enter(c.X);
    w.enter(c.Y);
    w.key(Qt::Key_Return);
    w.key(Qt::Key_Return);   // 计 算
    QTest::mouseClick(v.zhuangok, Qt::LeftButton);
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();
    EXPECT_EQ(w.jieguo(3, 1), QStringLiteral("3"));
    EXPECT_EQ(w.report().size(), 4);

    // A cancelled dialog leaves the screen open and empty, and tells nothing.
    w.openAnswer.clear();
    w.form.xyread->trigger();
    EXPECT_EQ(w.openDialogs, 2);
    EXPECT_TRUE(w.form.zhuang->isVisible());
    EXPECT_TRUE(w.report().isEmpty());
    EXPECT_EQ(w.jieguo(1, 1), QString());
    EXPECT_EQ(w.information.size(), 1);
    EXPECT_TRUE(w.messages.isEmpty());
    EXPECT_TRUE(focusedAndSelected(v.Text10[4]));

    // A file that cannot be read is named in a message.
    w.openAnswer = dir.file("没有的文件.txt");
    w.form.xyread->trigger();
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("没有的文件.txt"))) << w.messages[0].toStdString();
    EXPECT_TRUE(w.report().isEmpty());
    EXPECT_EQ(w.information.size(), 1);
}

// The window's own open dialog: its title, file types, suffix and mode, and
// the answer it gives.
TEST(InverseScreens, TheOpenDialogAsksForAnExistingTextOrCsvFile)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    w.form.chooseOpenFile = [&w] { return askOpenFile(&w.form); };
    dir.write("测点.txt", "A1,1,2\r\n");
    test::answerNextFileDialog([](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("打开"));
        EXPECT_EQ(d->nameFilters(), (QStringList{"TEXT(*.txt)", "CSV(*.csv)"}));
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(d->defaultSuffix(), QStringLiteral("txt"));
        d->reject();
    });
    EXPECT_EQ(w.form.chooseOpenFile(), QString());
    test::answerNextFileDialog([&dir](QFileDialog* d) {
        test::typeFileName(d, dir.file("测点.txt"));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(w.form.chooseOpenFile(), dir.file("测点.txt"));
}

// The engine's structure points as the grid shows them, cell by cell.
std::map<int, QString> structureCells(RouteTables tables, double P, double B, double Lz, double Ly, double Dh,
                                      double Dq)
{
    const StructurePoints s = structurePoints(P, B, Lz, Ly, Dh, Dq, tables.yaosup);
    std::map<int, QString> cells{{5, plainNumber(s.station)}};
    const PlanPoint points[] = {s.centre, s.leftEnd, s.leftBack, s.leftFront, s.rightEnd, s.rightBack, s.rightFront};
    for (int r = 0; r < 7; ++r) {
        cells[8 + 5 * r] = format000(points[r].X);
        cells[9 + 5 * r] = format000(points[r].Y);
    }
    return cells;
}

TEST(InverseScreens, StructureFromTheKeyboard)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StructureView& v = w.s;
    w.form.jgw->trigger();
    EXPECT_TRUE(w.form.Frame5->isVisible());
    EXPECT_TRUE(focusedAndSelected(v.Text11[6]));

    const char* inputs[] = {"2300", "75.3", "12", "10", "3", "2.5"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(focusedAndSelected(v.Text11[std::size_t(6 + k)])) << "input " << k;
        w.enter(QLatin1String(inputs[k]));
    }
    EXPECT_EQ(w.focused(), v.jiegoucomp);
    EXPECT_EQ(v.Text12[8]->text(), QString());
    w.key(Qt::Key_Return);
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();
    for (const auto& [cell, text] : structureCells(w.form.state().tables, 2300, 75.3, 12, 10, 3, 2.5))
        EXPECT_EQ(v.Text12[std::size_t(cell)]->text(), text) << "Text12(" << cell << ')';
    const std::pair<int, const char*> dimensions[] = {{7, "B=75.3"}, {12, "Lz=12"}, {17, "Dh=3"}, {22, "Dq=2.5"},
                                                      {27, "Ly=10"}, {32, "Dh=3"},  {37, "Dq=2.5"}};
    for (const auto& [cell, text] : dimensions)
        EXPECT_EQ(v.Text12[std::size_t(cell)]->text(), QLatin1String(text)) << "Text12(" << cell << ')';
    // The focus stays on the button; the station is selected for the next one.
    EXPECT_EQ(w.focused(), v.jiegoucomp);
    EXPECT_EQ(v.Text11[6]->selectedText(), QStringLiteral("2300"));
    EXPECT_TRUE(w.report().isEmpty());

    QStringList grid;
    for (QLineEdit* box : v.Text12)
        grid.append(box->text());
    v.jiegouok->setFocus();
    w.key(Qt::Key_Return);
    const QString Khao = QStringLiteral("K02+300.000");
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(w.jieguo(1, c), grid[c - 1]) << "row 1 column " << c;
        for (int j = 1; j <= 7; ++j)
            EXPECT_EQ(w.jieguo(1 + j, c), c == 1 && j == 1 ? Khao : grid[5 * j - 1 + c])
                << "row " << 1 + j << " column " << c;
    }
    EXPECT_EQ(w.jieguo(9, 1), QString());
    auto field = [](const QString& text) { return padDisplay(text, 14); };
    QStringList expected{structureReportHeader(),
                         field("1") + field(Khao) + field(grid[6]) + field(grid[7]) + field(grid[8]) + field(grid[9])};
    for (int j = 1; j <= 6; ++j)
        expected.append(field(QString::number(1 + j)) + field(QString()) + field(grid[5 * j + 6])
                        + field(grid[5 * j + 7]) + field(grid[5 * j + 8]) + field(grid[5 * j + 9]));
    expected.append(QString());
    EXPECT_EQ(w.report(), expected);
    EXPECT_TRUE(focusedAndSelected(v.Text11[6]));
    for (int k = 6; k <= 11; ++k)
        EXPECT_EQ(v.Text11[std::size_t(k)]->text(), QString()) << "Text11(" << k << ')';
    EXPECT_EQ(v.Text12[8]->text(), QString());
    EXPECT_EQ(v.Text12[36]->text(), QStringLiteral("右  前"));

    // A cell of the point grid passes the focus to the station.
    v.Text11[9]->setFocus();
    QTest::mouseClick(v.Text12[13], Qt::LeftButton);
    EXPECT_TRUE(focusedAndSelected(v.Text11[6]));

    // A skew that is not a number: a message, nothing computed or recorded.
    w.enter(QStringLiteral("2400"));
    test::typeText(w.focused(), QStringLiteral("4五"));
    QTest::mouseClick(v.jiegoucomp, Qt::LeftButton);
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("4五"))) << w.messages[0].toStdString();
    EXPECT_EQ(v.Text12[8]->text(), QString());
    QTest::mouseClick(v.jiegouok, Qt::LeftButton);
    EXPECT_EQ(w.messages.size(), 2);
    EXPECT_EQ(w.jieguo(9, 1), QString());
    EXPECT_EQ(w.report(), expected);
    EXPECT_EQ(v.Text11[7]->text(), QStringLiteral("4五"));

    // Saved as text: the seven points numbered without the header row.
    w.choice = {dir.file("结构物.csv"), 4};
    QTest::mouseClick(v.jiegousavel, Qt::LeftButton);
    const QList<QByteArray> lines = dir.read("结构物.csv").split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], test::gbk(" 1 ," + grid[8] + ',' + grid[9] + ",000,中心点 B=75.3 " + Khao + '\r'));

    QTest::mouseClick(v.jiegoucancel, Qt::LeftButton);
    EXPECT_FALSE(w.form.Frame5->isVisible());
    EXPECT_TRUE(w.report().isEmpty());
}

TEST(InverseScreens, StructureInputKeys)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StructureView& v = w.s;
    w.form.jgw->trigger();
    v.Text11[11]->setFocus();
    for (int k = 10; k >= 6; --k) {
        w.key(Qt::Key_Left);
        EXPECT_TRUE(focusedAndSelected(v.Text11[std::size_t(k)])) << k;
    }
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text11[6]));
    for (int k = 7; k <= 11; ++k) {
        w.key(Qt::Key_Right);
        EXPECT_TRUE(focusedAndSelected(v.Text11[std::size_t(k)])) << k;
    }
    w.key(Qt::Key_Right);
    EXPECT_EQ(w.focused(), v.jiegoucomp);
    EXPECT_TRUE(w.messages.isEmpty());
}

// Captions: bold, fixed and shaded where the screens say so; every box in
// the grid font.
TEST(InverseScreens, CaptionCellsAreFixedBoldAndShaded)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    const QList<int> measuredCaptions{0, 1, 2, 3, 8, 9, 10, 11, 17};
    const test::GridLook looks[] = {
        {"Text10", {w.m.Text10.begin(), w.m.Text10.end()}, measuredCaptions, measuredCaptions},
        {"Text11", {w.s.Text11.begin(), w.s.Text11.end()}, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}},
        {"Text12", {w.s.Text12.begin(), w.s.Text12.end()}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 6, 11, 16, 21, 26, 31, 36}},
    };
    for (const test::GridLook& look : looks)
        test::expectLook(look);
    EXPECT_EQ(w.m.Text10[17]->text(), QStringLiteral("路基设计宽"));
    EXPECT_EQ(w.s.Text11[2]->text(), QStringLiteral("左轴线长(Lz)"));
    EXPECT_EQ(w.s.Text12[31]->text(), QStringLiteral("右  后"));
}

// Every box and button lies in the part of its frame the list panel leaves
// visible, none covers another, and its caption fits it; the inputs and
// results of the measured-point grid stand under their captions.
TEST(InverseScreens, TheGridsFitTheirFrames)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    for (QFrame* frame : {f.zhuang, f.Frame5})
        test::expectLaidOut(frame, test::visiblePart(frame, f.HV));
    const auto& t = w.m.Text10;
    const std::pair<int, int> under[] = {{0, 4}, {1, 5}, {8, 12}, {2, 6}, {3, 7}, {9, 13}, {10, 14}, {17, 16}, {11, 15}};
    for (const auto& [caption, value] : under) {
        EXPECT_EQ(t[std::size_t(value)]->x(), t[std::size_t(caption)]->x()) << caption << " over " << value;
        EXPECT_GT(t[std::size_t(value)]->y(), t[std::size_t(caption)]->y()) << caption << " over " << value;
    }
}

// The largest file: 60000 points read in the window and their report
// scrolled from top to bottom. Prints the times it took.
TEST(InverseScreens, AFileOf60000PointsStaysUsable)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    RouteTables tables = w.form.state().tables;
    QByteArray file;
    for (int k = 0; k < 60000; ++k) {
        const Measured p = pointBeside(tables, 50 + k * 0.11, (k % 9 - 4) * 7.5);
        file += test::gbk(QStringLiteral("CD%1,%2,%3,%4\r\n").arg(k).arg(p.X, p.Y).arg(240.0 + k % 7, 0, 'f', 3));
    }
    dir.write("6万点.txt", file);

    w.openAnswer = dir.file("6万点.txt");
    qint64 toReport = -1;
    w.form.showInformation = [&](const QString& text) {
        toReport = w.answered.elapsed();
        w.information.append(text);
    };
    w.form.xyread->trigger();
    w.form.repaint();
    const qint64 toPainted = w.answered.elapsed();
    ASSERT_EQ(w.information.size(), 1);
    EXPECT_TRUE(w.information[0].startsWith(QStringLiteral("读入60000个点。"))) << w.information[0].toStdString();
    ASSERT_EQ(w.form.List1->count(), 60001);
    EXPECT_EQ(w.form.VScroll1->maximum(), (60001 - 19) * 5);

    // The scroll bar paged through the first thousand lines, the window
    // painted at each step, then dragged to the end: the last line shows.
    QElapsedTimer scrolling;
    scrolling.start();
    int pages = 0;
    for (; pages < 50; ++pages) {
        w.form.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        w.form.repaint();
    }
    const qint64 paged = scrolling.elapsed();
    scrolling.restart();
    w.form.VScroll1->setValue(0);
    w.form.repaint();
    w.form.VScroll1->setValue(w.form.VScroll1->maximum());
    w.form.repaint();
    const qint64 jumped = scrolling.elapsed();
    QWidget* viewport = w.form.List1->parentWidget();
    const QRect last = w.form.List1->visualItemRect(w.form.List1->item(60000));
    const QPoint lastTop = w.form.List1->viewport()->mapTo(viewport, last.topLeft());
    EXPECT_GE(lastTop.y(), 0);
    EXPECT_LE(lastTop.y() + last.height(), viewport->height());

    // A point typed and confirmed under the full report.
    scrolling.restart();
    QTest::mouseClick(w.m.zhuangok, Qt::LeftButton);
    w.form.repaint();
    const qint64 confirmed = scrolling.elapsed();
    EXPECT_EQ(w.form.List1->count(), 60001);   // the table is full: a message, nothing added
    EXPECT_EQ(w.messages.size(), 1);

    // The figures are printed for the record; speed is held by the
    // benchmarks, not asserted here.
    std::printf("60000 points: report shown %lld ms after the dialog's answer, painted at %lld ms; "
                "%d page steps %lld ms; top to end and back %lld ms; 确 定 on the full table %lld ms\n",
                toReport, toPainted, pages, paged, jumped, confirmed);
}

} // namespace
} // namespace quarvane
