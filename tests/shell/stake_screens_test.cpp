// The single-point and batch screens driven through the real window: the
// keyboard path through the grids, the buttons, the report, the results
// table and the saved file, on the demo route. Expected coordinates and
// elevations come from the engine itself.
#include "geometry/sqx.h"
#include "geometry/zcx.h"
#include "shell/form1.h"
#include "stakeout/stake_grids_view.h"
#include "support/app_dir.h"
#include "support/screen_window.h"
#include "support/window_input.h"
#include "text/number_text.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::AppDir;
using test::focusedAndSelected;

struct Window : test::ScreenWindow {
    explicit Window(const AppDir& dir) : ScreenWindow(dir), v(*form.stakeGrids) {}
    StakeGridsView& v;
};

// The engine's stakes at a station, as the grids show them.
struct Stakes {
    QString X, Y, Z, Xz, Yz, Zz, Xy, Yy, Zy;
};

Stakes engineStakes(const RouteTables& tables, double P, double Dz, double Dy)
{
    DesignTable yaosup = tables.yaosup;   // ZCX writes "0" into empty cells of its row
    const ZcxResult z = ZCX(P, Dz, Dy, yaosup);
    const SqxResult e = SQX(P, Dz, Dy, 0, 0, tables.yaosus, tables.yaosuc);
    EXPECT_TRUE(e.Zz && e.Zy) << "station " << P << " has a superelevation segment";
    auto shown = [](double v) { return round3(v) == 0 ? QString() : displayNumber(v); };
    return {displayNumber(z.X),  displayNumber(z.Y),  shown(e.Z),
            displayNumber(z.Xz), displayNumber(z.Yz), shown(e.Zz.value_or(0)),
            displayNumber(z.Xy), displayNumber(z.Yy), shown(e.Zy.value_or(0))};
}

QString field(const QString& text) { return text.leftJustified(14); }

// The report lines of one recorded station numbered from `first`.
QStringList reportLines(int first, const Stakes& s, const QString& K, const QString& left, const QString& right)
{
    return {field(QString::number(first)) + field(s.X) + field(s.Y) + field(s.Z) + field(K),
            field(QString::number(first + 1)) + field(s.Xz) + field(s.Yz) + field(s.Zz) + field(K) + field(u'Z' + left),
            field(QString::number(first + 2)) + field(s.Xy) + field(s.Yy) + field(s.Zy) + field(K) + field(u'Y' + right)};
}

const QString kHeader = QStringLiteral("点序号        X坐标         Y坐标         高程          桩号          边距          ");

TEST(StakeScreens, SinglePointFromTheKeyboard)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    w.form.point->trigger();
    EXPECT_TRUE(focusedAndSelected(v.Text13[1]));
    EXPECT_EQ(v.Text13[1]->text(), QStringLiteral("0"));

    w.key(Qt::Key_Return);
    EXPECT_TRUE(focusedAndSelected(v.Text13[3]));
    w.key(Qt::Key_Return);
    EXPECT_TRUE(focusedAndSelected(v.Text1[6]));
    w.enter("1000");
    EXPECT_TRUE(focusedAndSelected(v.Text1[14]));
    w.enter("12");
    EXPECT_TRUE(focusedAndSelected(v.Text1[20]));
    w.enter("12");
    // On the button, not pressed.
    EXPECT_EQ(w.focused(), v.comp1);
    EXPECT_EQ(v.Text1[9]->text(), QString());
    w.key(Qt::Key_Return);
    const Stakes s = engineStakes(w.form.state().tables, 1000, 12, 12);
    const std::pair<int, QString> shown[] = {{9, s.X},   {10, s.Y},  {11, s.Z},  {15, s.Xz}, {16, s.Yz},
                                             {17, s.Zz}, {21, s.Xy}, {22, s.Yy}, {23, s.Zy}};
    for (const auto& [cell, text] : shown)
        EXPECT_EQ(v.Text1[std::size_t(cell)]->text(), text) << "cell " << cell;
    EXPECT_EQ(w.focused(), v.comp1);
    EXPECT_EQ(v.Text1[6]->selectedText(), QStringLiteral("1000"));
    EXPECT_TRUE(w.report().isEmpty());

    v.ok11->setFocus();
    w.key(Qt::Key_Return);
    const QString K = QStringLiteral("K01+000.000");
    EXPECT_EQ(w.report(), QStringList{kHeader} + reportLines(1, s, K, "12.000", "12.000"));
    const QStringList rows[] = {{K, "中  桩", "", s.X, s.Y, s.Z},
                                {"", "左边桩", "12", s.Xz, s.Yz, s.Zz},
                                {"", "右边桩", "12", s.Xy, s.Yy, s.Zy}};
    for (int r = 0; r < 3; ++r)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(w.jieguo(r + 1, c), rows[r][c - 1]) << "row " << r + 1 << " column " << c;
    EXPECT_EQ(w.jieguo(4, 1), QString());
    EXPECT_TRUE(focusedAndSelected(v.Text1[6]));
    for (int cell : {6, 9, 10, 11, 14, 15, 16, 17, 20, 21, 22, 23})
        EXPECT_EQ(v.Text1[std::size_t(cell)]->text(), QString()) << "cell " << cell;
    EXPECT_EQ(v.Text1[7]->text(), QStringLiteral("中  桩"));

    // Saved as text: the dialog's choice decides, then the file's bytes.
    w.choice = {dir.file("单点.txt"), 3};
    QTest::mouseClick(v.save11, Qt::LeftButton);
    EXPECT_EQ(w.dialogs, 1);
    EXPECT_EQ(dir.read("单点.txt"),
              test::gbk(" 1 ," + s.X + ',' + s.Y + ',' + s.Z + ',' + K + "\r\n"   //
                        + " 2 ," + s.Xz + ',' + s.Yz + ',' + s.Zz + ',' + K + "  Z12.000\r\n"
                        + " 3 ," + s.Xy + ',' + s.Yy + ',' + s.Zy + ',' + K + "  Y12.000\r\n"));
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();

    // A cancelled dialog writes nothing.
    const QByteArray text = dir.read("temp/aaa.txt");
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    w.choice = {QString(), 1};
    v.save11->setFocus();
    w.key(Qt::Key_Enter);
    EXPECT_EQ(w.dialogs, 2);
    EXPECT_EQ(dir.read("temp/aaa.txt"), text);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);

    // Closing hides the screen and empties the report.
    QTest::mouseClick(v.cancel11, Qt::LeftButton);
    EXPECT_FALSE(w.form.out1->isVisible());
    EXPECT_FALSE(w.form.Frame6->isVisible());
    EXPECT_TRUE(w.report().isEmpty());
}

TEST(StakeScreens, SinglePointKeysAndHandOvers)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    w.form.point->trigger();
    v.Text1[20]->setFocus();
    w.type("7");
    // The arrows move the focus wherever the caret stands.
    v.Text1[20]->setCursorPosition(0);
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text1[14]));
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text1[6]));
    w.key(Qt::Key_Right);
    EXPECT_TRUE(focusedAndSelected(v.Text1[14]));
    w.key(Qt::Key_Right);
    EXPECT_TRUE(focusedAndSelected(v.Text1[20]));
    EXPECT_EQ(v.Text1[20]->text(), QStringLiteral("7"));
    w.key(Qt::Key_Right);
    EXPECT_EQ(w.focused(), v.comp1);
    EXPECT_EQ(v.Text1[9]->text(), QString());
    // The last elevation cell hands the focus to the station.
    v.Text1[23]->setFocus();
    EXPECT_TRUE(focusedAndSelected(v.Text1[6]));
    // A result cell is a text box: it can be edited, and the edit is the state's.
    v.Text1[10]->setFocus();
    w.type("9");
    EXPECT_EQ(w.form.state().single.Text1[10], QStringLiteral("9"));
}

// Tab reaches every button of a screen after its inputs, so saving needs
// no mouse: the cells that hand the focus back are not on the way.
TEST(StakeScreens, TabReachesTheButtons)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    w.form.point->trigger();
    v.Text1[20]->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(v.comp1), static_cast<QWidget*>(v.ok11),
                          static_cast<QWidget*>(v.save11), static_cast<QWidget*>(v.cancel11)}) {
        w.key(Qt::Key_Tab);
        EXPECT_EQ(w.focused(), next) << next->objectName().toStdString();
    }
    w.form.batch->trigger();
    v.Text4[9]->setFocus();
    w.key(Qt::Key_Tab);
    EXPECT_EQ(w.focused(), v.comp2);
    v.Text5[20]->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(v.insert1), static_cast<QWidget*>(v.savel2),
                          static_cast<QWidget*>(v.cancel12)}) {
        w.key(Qt::Key_Tab);
        EXPECT_EQ(w.focused(), next) << next->objectName().toStdString();
    }
}

TEST(StakeScreens, BatchFromTheKeyboardThenAnInsertedStation)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    w.form.batch->trigger();
    EXPECT_TRUE(focusedAndSelected(v.Text13[1]));
    w.key(Qt::Key_Return);
    w.key(Qt::Key_Return);
    EXPECT_TRUE(focusedAndSelected(v.Text4[5]));
    for (const char* text : {"0", "100", "20", "5"})
        w.enter(text);
    EXPECT_TRUE(focusedAndSelected(v.Text4[9]));
    w.enter("6");
    EXPECT_EQ(w.focused(), v.comp2);
    EXPECT_TRUE(w.report().isEmpty());
    w.key(Qt::Key_Return);
    EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();

    const RouteTables& tables = w.form.state().tables;
    QStringList expected{kHeader};
    for (int k = 0; k < 5; ++k) {
        const Stakes s = engineStakes(tables, 20.0 * k, 5, 6);
        const QString K = QStringLiteral("K00+%1.000").arg(20 * k, 3, 10, QLatin1Char('0'));
        expected += reportLines(3 * k + 1, s, K, "5.000", "6.000");
        const int r = 3 * k + 1;
        EXPECT_EQ(w.jieguo(r, 1), K);
        EXPECT_EQ(w.jieguo(r, 4), s.X) << K.toStdString();
        EXPECT_EQ(w.jieguo(r + 1, 5), s.Yz) << K.toStdString();
        EXPECT_EQ(w.jieguo(r + 2, 6), s.Zy) << K.toStdString();
    }
    EXPECT_EQ(w.report(), expected);
    EXPECT_EQ(w.jieguo(16, 1), QString());
    EXPECT_EQ(v.Text5[6]->text(), QStringLiteral("80"));
    EXPECT_TRUE(focusedAndSelected(v.Text5[6]));

    // An inserted station: typed over the selected texts of the grid.
    w.enter("150");
    EXPECT_TRUE(focusedAndSelected(v.Text5[14]));
    w.enter("7");
    w.enter("8");
    EXPECT_EQ(w.focused(), v.insert1);
    EXPECT_EQ(w.jieguo(16, 1), QString());
    w.key(Qt::Key_Return);
    const Stakes s = engineStakes(tables, 150, 7, 8);
    expected += reportLines(16, s, QStringLiteral("K00+150.000"), "7.000", "8.000");
    EXPECT_EQ(w.report(), expected);
    EXPECT_EQ(w.jieguo(16, 1), QStringLiteral("K00+150.000"));
    EXPECT_EQ(w.jieguo(17, 3), QStringLiteral("7"));
    EXPECT_EQ(w.jieguo(18, 4), s.Xy);
    EXPECT_TRUE(focusedAndSelected(v.Text5[6]));

    // Left goes back through the grid and the range, from any caret position.
    v.Text5[20]->setFocus();
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text5[14]));
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text5[6]));
    v.Text4[7]->setFocus();
    v.Text4[7]->setCursorPosition(1);
    w.key(Qt::Key_Left);
    EXPECT_TRUE(focusedAndSelected(v.Text4[6]));
    w.key(Qt::Key_Right);
    EXPECT_TRUE(focusedAndSelected(v.Text4[7]));
    // Hand-overs: the centre X to the station, the right elevation to the range.
    v.Text5[9]->setFocus();
    EXPECT_TRUE(focusedAndSelected(v.Text5[6]));
    v.Text5[23]->setFocus();
    EXPECT_TRUE(focusedAndSelected(v.Text4[5]));

    // Saved as text: three passes numbered through the six stations.
    w.choice = {dir.file("批量.csv"), 4};
    QTest::mouseClick(v.savel2, Qt::LeftButton);
    const QByteArray saved = dir.read("批量.csv");
    const QList<QByteArray> lines = saved.split('\n');
    ASSERT_EQ(lines.size(), 6 * 3 + 1) << saved.toStdString();
    EXPECT_EQ(lines[5], test::gbk(" 6 ," + s.X + ',' + s.Y + ',' + s.Z + ",K00+150.000\r"));
    EXPECT_EQ(lines[17], test::gbk(" 18 ," + s.Xy + ',' + s.Yy + ',' + s.Zy + ",K00+150.000  Y8.000\r"));

    QTest::mouseClick(v.cancel12, Qt::LeftButton);
    EXPECT_FALSE(w.form.out2->isVisible());
    EXPECT_FALSE(w.form.inputpiliang1->isVisible());
    EXPECT_EQ(w.jieguo(16, 1), QStringLiteral("K00+150.000"));
}

TEST(StakeScreens, InputThatIsNotANumberIsReportedAndNothingRecorded)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    w.form.point->trigger();
    v.Text1[6]->setFocus();
    w.type("12a");
    QTest::mouseClick(v.comp1, Qt::LeftButton);
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("12a"))) << w.messages[0].toStdString();
    EXPECT_EQ(v.Text1[9]->text(), QString());
    QTest::mouseClick(v.ok11, Qt::LeftButton);
    ASSERT_EQ(w.messages.size(), 2);
    EXPECT_EQ(w.jieguo(1, 1), QString());
    EXPECT_TRUE(w.report().isEmpty());
    EXPECT_EQ(v.Text1[6]->text(), QStringLiteral("12a"));

    w.form.batch->trigger();
    v.Text4[7]->setFocus();
    w.type("x");
    QTest::mouseClick(v.comp2, Qt::LeftButton);
    ASSERT_EQ(w.messages.size(), 3);
    EXPECT_EQ(w.jieguo(1, 1), QString());
    EXPECT_TRUE(w.report().isEmpty());
}

// Captions: bold, fixed, their row shaded; every box in the grid font.
TEST(StakeScreens, CaptionCellsAreFixedBoldAndShaded)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    StakeGridsView& v = w.v;
    const QList<int> stakeFixed{0, 1, 2, 3, 4, 5, 7, 13, 19};
    const test::GridLook looks[] = {
        {"Text13", {v.Text13.begin(), v.Text13.end()}, {0, 2}, {0, 2}},
        {"Text1", {v.Text1.begin(), v.Text1.end()}, {0, 1, 2, 3, 4, 5}, stakeFixed},
        {"Text4", {v.Text4.begin(), v.Text4.end()}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {"Text5", {v.Text5.begin(), v.Text5.end()}, {0, 1, 2, 3, 4, 5}, stakeFixed},
    };
    for (const test::GridLook& look : looks)
        test::expectLook(look);
    EXPECT_EQ(v.Text4[2]->text(), QStringLiteral("间   距"));
    EXPECT_EQ(v.Text5[19]->text(), QStringLiteral("右边桩"));
}

// Every box and button lies in the visible part of its frame, none covers
// another, and its caption fits it.
TEST(StakeScreens, TheGridsFitTheirFrames)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    // The batch grid lies over the lower band of the batch range's frame.
    for (QFrame* frame : {f.Frame6, f.out1, f.out2})
        test::expectLaidOut(frame, test::visiblePart(frame));
    test::expectLaidOut(f.inputpiliang1, test::visiblePart(f.inputpiliang1, f.out2));
}

// The welcome title lies under the computing screens' panels: nothing of
// it shows in the margin of the batch grid, where the batch range's frame
// ends and the grid's frame begins.
TEST(StakeScreens, ThePanelsHideTheTitleUnderThem)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    f.batch->trigger();
    QWidget* client = f.centralWidget();
    const QRect margin(f.out2->x() + 3, f.out2->y() + 3, client->width() - f.out2->x() - 6, w.v.Text5[0]->y() - 4);
    const QImage image = client->grab(margin).toImage();
    ASSERT_FALSE(image.isNull());
    const QRgb ground = image.pixel(0, 0);
    int others = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            others += image.pixel(x, y) != ground;
    EXPECT_EQ(others, 0);
}

// The window's own save dialog: its title, file types and suffix, and the
// answer it gives.
TEST(StakeScreens, TheSaveDialogAnswersTheFileAndItsType)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    w.form.chooseSaveFile = [&w] { return askSaveFile(&w.form); };
    using test::answerNextFileDialog;
    using test::typeFileName;

    w.form.point->trigger();
    const QByteArray text = dir.read("temp/aaa.txt");
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    answerNextFileDialog([](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("保存"));
        EXPECT_EQ(d->nameFilters(), saveFilters());
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d->defaultSuffix(), QStringLiteral("xls"));
        d->reject();
    });
    QTest::mouseClick(w.v.save11, Qt::LeftButton);
    EXPECT_TRUE(w.messages.isEmpty());
    EXPECT_EQ(dir.read("temp/aaa.txt"), text);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);

    // Another type chosen: its extension is added, its index answered.
    answerNextFileDialog([&dir](QFileDialog* d) {
        d->selectNameFilter(saveFilters()[2]);
        typeFileName(d, dir.file("结果"));
        static_cast<QDialog*>(d)->accept();
    });
    const SaveChoice asText = w.form.chooseSaveFile();
    EXPECT_EQ(asText.fileName, dir.file("结果.txt"));
    EXPECT_EQ(asText.filterIndex, 3);
    answerNextFileDialog([&dir](QFileDialog* d) {
        typeFileName(d, dir.file("结果"));
        static_cast<QDialog*>(d)->accept();
    });
    const SaveChoice book = w.form.chooseSaveFile();
    EXPECT_EQ(book.fileName, dir.file("结果.xls"));
    EXPECT_EQ(book.filterIndex, 1);
}

} // namespace
} // namespace quarvane
