// The main window driven through its real widgets.
#include "shell/form1.h"

#include "support/app_dir.h"
#include "support/window_input.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::AppDir;
using test::typeText;

struct Window {
    explicit Window(const AppDir& dir) : form(dir.path())
    {
        form.showMessage = [this](const QString& m) { messages.append(m); };
        form.confirmDelete = [this] { return answer; };
        form.openEditor = [this](TableKind kind) { editors.append(kind); };
        form.launchCalculator = [] { return QString(); };
        form.chooseOpenFile = [] { return QString(); };
        form.showInformation = [this](const QString& m) { messages.append(m); };
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void select(int row) { form.List1->setCurrentRow(row); }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    Form1 form;
    QStringList messages;
    QList<TableKind> editors;
    bool answer = false;
};

QStringList lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

TEST(Form1, StartsOnTheRouteListAtItsFixedSize)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Quarvane"));
    EXPECT_EQ(w.form.minimumSize(), w.form.maximumSize());
    w.form.resize(400, 300);
    EXPECT_EQ(w.form.size(), w.form.minimumSize());
    EXPECT_EQ(lines(w.form.List1), QStringList{QStringLiteral("演示线路")});
    EXPECT_TRUE(w.form.Frame2->isVisible());
    EXPECT_FALSE(w.form.add->isVisible());
    EXPECT_TRUE(w.form.Label1->isVisible());
    EXPECT_EQ(w.form.List1->height(), 4830 / 15);
}

TEST(Form1, MenuItemsShowTheirScreens)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    struct Case { QAction* item; QList<QWidget*> shown; QList<QWidget*> hidden; int hMax; };
    const Case cases[] = {
        {f.point, {f.HV, f.Frame6, f.out1, f.Label4}, {f.Frame5, f.zhuang, f.inputpiliang1, f.out2, f.Frame2, f.Frame3, f.add}, 300},
        {f.batch, {f.HV, f.Frame6, f.inputpiliang1, f.out2, f.Label4}, {f.Frame5, f.zhuang, f.out1, f.Frame2, f.Frame3}, 300},
        {f.xyin, {f.HV, f.zhuang, f.Label4}, {f.Frame5, f.Frame6, f.Frame2, f.Frame3}, 7500},
        {f.xyread, {f.HV, f.zhuang, f.Label4}, {f.Frame5, f.Frame6, f.out1, f.inputpiliang1, f.out2, f.Frame2}, 7500},
        {f.jgw, {f.HV, f.Frame5, f.Label4}, {f.zhuang, f.Frame6, f.out1, f.out2, f.Frame2, f.Frame3}, 500},
        {f.choose, {f.HV, f.Frame2}, {f.Frame5, f.zhuang, f.Frame6, f.out1, f.inputpiliang1, f.out2, f.Label4, f.Frame3, f.add}, 0},
    };
    for (const Case& c : cases) {
        c.item->trigger();
        for (QWidget* widget : c.shown)
            EXPECT_TRUE(widget->isVisible()) << c.item->objectName().toStdString() << " shows " << widget->objectName().toStdString();
        for (QWidget* widget : c.hidden)
            EXPECT_FALSE(widget->isVisible()) << c.item->objectName().toStdString() << " hides " << widget->objectName().toStdString();
        EXPECT_EQ(f.HScroll1->maximum(), c.hMax) << c.item->objectName().toStdString();
    }
    EXPECT_EQ(lines(f.List1), QStringList{QStringLiteral("演示线路")});
    ASSERT_EQ(w.messages.size(), 1);   // 坐标读取 without a route says so before its dialog
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("没有载入平曲线参数")));
    f.jsq->trigger();
    ASSERT_EQ(w.messages.size(), 2);
    EXPECT_TRUE(w.messages[1].contains(QStringLiteral("计算器")));
}

TEST(Form1, AddingADuplicateThenANewRoute)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    w.click(f.xladd);
    ASSERT_TRUE(f.add->isVisible());
    EXPECT_FALSE(f.HV->isVisible());
    EXPECT_TRUE(f.Text2->hasFocus());
    typeText(f.Text2, QStringLiteral("演示线路"));
    w.click(f.addok);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("线路重复!"));
    w.click(f.addok);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("线路重复!"));
    f.Text2->selectAll();
    QTest::keyClicks(f.Text2, QStringLiteral("S20"));
    QTest::keyClick(f.Text2, Qt::Key_Return);
    EXPECT_FALSE(f.add->isVisible());
    EXPECT_TRUE(f.Frame2->isVisible());
    EXPECT_EQ(lines(f.List1), (QStringList{"演示线路", "S20"}));
    EXPECT_EQ(dir.read("temp/XL.dat"), test::gbk(QStringLiteral("演示线路\r\nS20\r\n")));

    w.click(f.xladd);
    QTest::keyClicks(f.Text2, QStringLiteral("a:b"));
    w.click(f.addok);
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("线路名称")));
    EXPECT_TRUE(f.add->isVisible());
    w.click(f.addcan);
    EXPECT_TRUE(f.Frame2->isVisible());
}

TEST(Form1, DeletingAskesFirst)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    w.click(f.xldel);   // nothing selected
    w.select(0);
    w.answer = false;   // closed with its close box
    w.click(f.xldel);
    EXPECT_EQ(lines(f.List1), QStringList{QStringLiteral("演示线路")});
    EXPECT_TRUE(dir.exists("线路参数/演示线路.pin"));
    w.answer = true;
    w.select(0);
    w.click(f.xldel);
    EXPECT_EQ(lines(f.List1), QStringList{QString()});
    EXPECT_FALSE(dir.exists("线路参数/演示线路.pin"));
    EXPECT_EQ(dir.read("temp/XL.dat"), QByteArray());
}

TEST(Form1, ConfirmingARouteAndOpeningItsTables)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    Window w(dir);
    Form1& f = w.form;
    w.select(0);
    w.click(f.xledi);
    EXPECT_TRUE(f.Frame3->isVisible());
    EXPECT_EQ(lines(f.List1), (QStringList{"平曲线参数", "竖曲线参数", "超高参数", "路基宽度与边坡参数"}));
    w.click(f.ediok);   // nothing selected
    w.select(1);
    w.click(f.ediok);
    EXPECT_EQ(w.editors, QList<TableKind>{TableKind::Shu});
    w.click(f.ediret);
    EXPECT_TRUE(f.Frame2->isVisible());
    EXPECT_EQ(f.List1->currentRow(), -1);

    w.select(0);
    w.click(f.xlok);
    EXPECT_FALSE(f.HV->isVisible());
    EXPECT_FALSE(f.Frame2->isVisible());
    EXPECT_TRUE(f.Label1->isVisible());
    EXPECT_EQ(f.XLming->text(), QStringLiteral("演示线路"));
    EXPECT_GE(f.state().tables.yaosup.records(), 4);
}

TEST(Form1, TheListPanelScrollsAndKeepsTheFocus)
{
    AppDir dir;
    QByteArray names;
    for (int k = 1; k <= 40; ++k)
        names += "R" + QByteArray::number(k) + "\r\n";
    dir.write("temp/XL.dat", names);
    Window w(dir);
    Form1& f = w.form;
    EXPECT_EQ(f.VScroll1->maximum(), (40 - 19) * 5);
    f.VScroll1->setValue(10);
    EXPECT_EQ(f.List1->y(), -480 / 15);
    EXPECT_TRUE(f.List1->hasFocus());
    f.xyin->trigger();
    f.HScroll1->setValue(150);
    EXPECT_EQ(f.List1->x(), -150 / 15);
    f.HScroll1->setFocus();
    EXPECT_TRUE(f.List1->hasFocus());
    f.VScroll1->setFocus();
    EXPECT_TRUE(f.List1->hasFocus());
}

} // namespace
} // namespace quarvane
