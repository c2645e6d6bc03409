#include "shell/shell_state.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace quarvane {
namespace {

using test::AppDir;

TEST(ListFitting, Figures)
{
    struct Case { int lines, shortHeight; bool cap; int max, height; };
    const Case cases[] = {
        {0, 4830, false, 0, 4830},    {19, 4590, true, 0, 4590},     {20, 4830, false, 5, 4830},
        {20, 4590, true, 5, 4830},    {25, 4830, false, 30, 6030},   {1022, 4590, true, 5015, 245310},
        {1023, 4590, true, 5020, 245550}, {2000, 4830, true, 9905, 480030}, {2000, 4830, false, 9905, 480030},
        {60001, 4590, true, 299910, 14400270},   // a full report: every line can be scrolled to
    };
    for (const Case& c : cases) {
        const ListFit f = fitList(c.lines, c.shortHeight, c.cap);
        EXPECT_EQ(f.VScroll1Max, c.max) << c.lines;
        EXPECT_EQ(f.List1Height, c.height) << c.lines;
    }
}

// What each menu item does to the panels (T shown, F hidden).
TEST(ShellState, MenuItemsShowTheirPanels)
{
    struct Case {
        const char* item;
        std::function<void(ShellState&)> choose;
        Panels expected;
        int hMax;
        const char* picture;
    };
    //                 Frame5 zhuang HV  lis  Frame6 out1 inputp out2 Label4 Frame2 Frame3 add
    const Case cases[] = {
        {"choose", [](ShellState& s) { s.choose(); }, {false, false, true, true, false, false, false, false, false, true, false, false}, 0, "ooo.bmp"},
        {"point", [](ShellState& s) { s.openScreen(ComputingScreen::point); }, {false, false, true, true, true, true, false, false, true, false, false, false}, 300, "ooo.bmp"},
        {"batch", [](ShellState& s) { s.openScreen(ComputingScreen::batch); }, {false, false, true, true, true, false, true, true, true, false, false, false}, 300, "ooo.bmp"},
        {"xyin", [](ShellState& s) { s.openScreen(ComputingScreen::xyin); }, {false, true, true, true, false, false, false, false, true, false, false, false}, 7500, "ooo.bmp"},
        {"xyread", [](ShellState& s) { s.openScreen(ComputingScreen::xyread); }, {false, true, true, true, false, false, false, false, true, false, false, false}, 7500, "ooo.bmp"},
        {"jgw", [](ShellState& s) { s.openScreen(ComputingScreen::jgw); }, {true, false, true, true, false, false, false, false, true, false, false, false}, 500, "jie.BMP"},
    };
    AppDir dir(AppDir::Content::WithDemoRoute);
    QFile::copy(test::dataFile("Picture/ooo.bmp"), dir.file("Picture/ooo.bmp"));
    QFile::copy(test::dataFile("Picture/jie.BMP"), dir.file("Picture/jie.BMP"));
    for (const Case& c : cases) {
        ShellState s(dir.path());
        s.startUp();
        s.xladd();   // from the new-route entry, the worst place to leave
        s.HScroll1Value = 7;
        c.choose(s);
        const Panels& p = s.panels;
        const Panels& e = c.expected;
        EXPECT_EQ(std::tie(p.Frame5, p.zhuang, p.HV, p.lis, p.Frame6, p.out1, p.inputpiliang1, p.out2, p.Label4, p.Frame2, p.Frame3, p.add),
                  std::tie(e.Frame5, e.zhuang, e.HV, e.lis, e.Frame6, e.out1, e.inputpiliang1, e.out2, e.Label4, e.Frame2, e.Frame3, e.add))
            << c.item;
        EXPECT_EQ(s.HScroll1Max, c.hMax) << c.item;
        EXPECT_EQ(s.HScroll1Value, 0) << c.item;
        EXPECT_TRUE(s.P1.endsWith(QLatin1String(c.picture))) << c.item << " " << s.P1.toStdString();
    }
}

TEST(ShellState, StartUpListsTheCatalogue)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    ShellState s(dir.path());
    s.startUp();
    EXPECT_EQ(s.List1, QStringList{QStringLiteral("演示线路")});
    EXPECT_EQ(s.selected, -1);
    EXPECT_EQ(s.List1Height, 4830);
    EXPECT_EQ(s.VScroll1Max, 0);

    AppDir many;
    QByteArray names;
    for (int k = 1; k <= 25; ++k)
        names += "R" + QByteArray::number(k) + "\r\n";
    many.write("temp/XL.dat", names);
    ShellState m(many.path());
    m.startUp();
    EXPECT_EQ(m.VScroll1Max, 30);
    EXPECT_EQ(m.List1Height, 6030);
    m.setVScroll1(10);
    EXPECT_EQ(m.List1Top, -480);
    m.choose();
    EXPECT_EQ(m.List1Height, 6030);   // 25 routes: tall enough for all
}

TEST(ShellState, AddingARoute)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    ShellState s(dir.path());
    s.startUp();
    s.xladd();
    EXPECT_TRUE(s.panels.add);
    EXPECT_FALSE(s.panels.HV || s.panels.lis || s.panels.Frame2);
    s.Text2 = QStringLiteral(" 演示线路 ");
    s.addok();
    EXPECT_EQ(s.Text2, QStringLiteral("线路重复!"));
    s.addok();   // while the message stands, 确定 does nothing
    EXPECT_TRUE(s.panels.add);
    EXPECT_EQ(s.List1.size(), 1);
    s.Text2 = QStringLiteral("G60");
    s.addok();
    EXPECT_FALSE(s.panels.add);
    EXPECT_TRUE(s.panels.Frame2 && s.panels.HV && s.panels.lis);
    EXPECT_EQ(s.List1, (QStringList{"演示线路", "G60"}));
    EXPECT_TRUE(dir.exists("线路参数/G60.lbp"));

    s.xladd();
    s.Text2 = QStringLiteral("a/b");
    EXPECT_THROW(s.addok(), UserError);
    EXPECT_TRUE(s.panels.add);
    s.addcan();
    EXPECT_TRUE(s.Text2.isEmpty());
    EXPECT_TRUE(s.panels.Frame2);
}

TEST(ShellState, ConfirmingAndDeletingRoutes)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    ShellState s(dir.path());
    s.startUp();
    s.xlok();   // nothing selected: nothing happens
    EXPECT_TRUE(s.panels.HV);
    s.selected = 0;
    s.xlok();
    EXPECT_EQ(s.names.XLming, QStringLiteral("演示线路"));
    EXPECT_EQ(s.names.XLpin, QStringLiteral("演示线路.pin"));
    EXPECT_FALSE(s.panels.HV || s.panels.lis || s.panels.Frame2 || s.panels.Label4);
    EXPECT_GE(s.tables.yaosup.records(), 4);

    // A route whose files are spoiled: a message, the loaded tables stay.
    s.choose();
    s.Text2 = QStringLiteral("Broken");
    s.xladd();
    s.Text2 = QStringLiteral("Broken");
    s.addok();
    QFile::remove(dir.file("线路参数/Broken.shu"));
    s.selected = 1;
    EXPECT_THROW(s.xlok(), UserError);
    EXPECT_EQ(s.names.XLming, QStringLiteral("演示线路"));
    EXPECT_GE(s.tables.yaosup.records(), 4);
    EXPECT_TRUE(s.panels.HV);

    EXPECT_TRUE(s.xldelNeedsConfirmation());
    s.xldel();
    EXPECT_EQ(s.List1, (QStringList{"演示线路", ""}));
    s.selected = 1;   // the empty line left at the end
    EXPECT_FALSE(s.xldelNeedsConfirmation());
    s.xledi();
    EXPECT_EQ(s.content, ListContent::Routes);
}

TEST(ShellState, TheListFollowsTheCatalogueWhenADeletionReportsAProblem)
{
    AppDir dir;
    dir.write("temp/XL.dat", test::gbk(QStringLiteral("A\r\n../坏\r\nB\r\n")));
    ShellState s(dir.path());
    s.startUp();
    s.selected = 1;
    EXPECT_THROW(s.xldel(), UserError);   // no file is removed for that name, and the user is told
    EXPECT_EQ(s.List1, (QStringList{"A", "B", ""}));
    EXPECT_EQ(s.selected, -1);
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray("A\r\nB\r\n"));
}

TEST(ShellState, TheTableList)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    ShellState s(dir.path());
    s.startUp();
    s.xledi();
    EXPECT_TRUE(s.names.XLming.isEmpty());
    s.selected = 0;
    s.xledi();
    EXPECT_EQ(s.List1, (QStringList{"平曲线参数", "竖曲线参数", "超高参数", "路基宽度与边坡参数"}));
    EXPECT_TRUE(s.panels.Frame3);
    EXPECT_FALSE(s.panels.Frame2);
    EXPECT_EQ(s.names.XLlbp, QStringLiteral("演示线路.lbp"));
    EXPECT_FALSE(s.ediok().has_value());
    s.selected = 3;
    EXPECT_EQ(s.ediok(), TableKind::Lbp);
    s.ediret();
    EXPECT_EQ(s.List1, QStringList{QStringLiteral("演示线路")});
    EXPECT_EQ(s.selected, -1);
    EXPECT_TRUE(s.panels.Frame2);
}

} // namespace
} // namespace quarvane
