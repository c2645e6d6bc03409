#include "editors/dialog.h"
#include "editors/table_editor_view.h"
#include "route/route_tables.h"
#include "text/fields.h"

#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace quarvane {
namespace {

using test::AppDir;
using test::gbk;

const QString kDemo = QStringLiteral("演示线路");

QString caption(TableKind kind)
{
    QString line;
    for (const QString& c : tableInfo(kind).captions)
        line += padField(c);
    return line;
}

QString demoFile(TableKind kind)
{
    return QStringLiteral("线路参数/") + kDemo + tableInfo(kind).extension;
}

QStringList items(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

// An editor window on the demo route's table of that kind, shown, with its
// messages collected instead of shown.
class EditorWindow : public ::testing::Test {
protected:
    AppDir dir{AppDir::Content::WithDemoRoute};
    std::unique_ptr<TableEditorView> view;
    QStringList warnings;

    TableEditorView& open(TableKind kind)
    {
        view = std::make_unique<TableEditorView>(TableEditor::open(dir.path(), kDemo, kind), dir.path(), kDemo);
        view->showWarning = [this](QWidget*, const QString& message) { warnings.append(message); };
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return *view;
    }
    // The demo route's table of that kind replaced by these lines.
    TableEditorView& openWith(TableKind kind, const QStringList& lines)
    {
        dir.write(demoFile(kind), gbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        return open(kind);
    }

    void click(const char* button)
    {
        auto* b = view->findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void select(int line)
    {
        QListWidget* list = view->List1();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
        ASSERT_EQ(list->currentRow(), line);
    }
    // Types into a box: ASCII key by key, Chinese as an input method
    // commits it.
    void type(int box, const QString& text)
    {
        QLineEdit* edit = view->Text1()[box];
        edit->clear();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }
    QStringList boxes() const
    {
        QStringList out;
        for (const QLineEdit* edit : view->Text1())
            out.append(edit->text());
        return out;
    }
};

TEST_F(EditorWindow, OpensWithEveryLineOfTheFileNothingSelectedAndEmptyBoxes)
{
    for (TableKind kind : kAllKinds) {
        const QStringList lines = TableEditor::open(dir.path(), kDemo, kind).List1;
        TableEditorView& v = open(kind);
        EXPECT_EQ(v.windowTitle(), QStringList({"平曲线参数", "竖曲线参数", "超高参数", "路基宽度/边坡参数"})[int(kind)]);
        EXPECT_TRUE(v.isModal());
        EXPECT_EQ(items(v.List1()), lines);
        EXPECT_TRUE(v.List1()->selectedItems().isEmpty());
        EXPECT_EQ(v.Text1().size(), tableInfo(kind).fieldCount);
        EXPECT_EQ(boxes().join(QString()), QString());
        EXPECT_EQ(v.List1()->parentWidget(), v.Frame1());
        for (const char* name : {"add", "cha", "xiu", "sha", "bao", "ok"})
            EXPECT_NE(v.findChild<QPushButton*>(QLatin1String(name)), nullptr) << name;
    }
}

TEST_F(EditorWindow, ARecordTypedIntoTheBoxesIsConfirmedAndSaved)
{
    const QString cap = caption(TableKind::Pin);
    TableEditorView& v = openWith(TableKind::Pin, {cap});
    QPointer<TableEditorView> alive(&v);
    click("add");
    EXPECT_EQ(v.Text1()[0]->text(), QStringLiteral("1"));
    type(1, QStringLiteral("-30.5959"));
    type(2, QStringLiteral(" 12.5 "));
    type(12, QStringLiteral("起点"));
    click("ok");
    const QString record = QStringLiteral("1             -30.5959      12.5") + QString(10 + 9 * 14, u' ') +
                           QStringLiteral("起点") + QString(12 + 3 * 14, u' ');
    ASSERT_EQ(record.size(), 16 * kFieldWidth);
    EXPECT_EQ(items(v.List1()), (QStringList{cap, record}));
    EXPECT_EQ(v.Text1()[2]->text(), QStringLiteral("12.5") + QString(10, u' '));   // the box shows the padded text
    click("bao");
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_FALSE(v.isVisible());
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(dir.read(demoFile(TableKind::Pin)), gbk(cap + "\r\n" + record + "\r\n"));
}

TEST_F(EditorWindow, ClosingWithTheCloseBoxLeavesTheFileUnchanged)
{
    const QByteArray before = dir.read(demoFile(TableKind::Shu));
    TableEditorView& v = open(TableKind::Shu);
    view->confirmDelete = [](QWidget*) { return true; };
    select(2);
    click("sha");
    click("add");
    type(1, QStringLiteral("9999"));
    click("ok");
    ASSERT_NE(items(v.List1()), TableEditor::open(dir.path(), kDemo, TableKind::Shu).List1);
    v.close();
    EXPECT_EQ(v.result(), QDialog::Rejected);
    EXPECT_EQ(dir.read(demoFile(TableKind::Shu)), before);
}

TEST_F(EditorWindow, DeleteAsksFirstAndDoesNothingUnlessConfirmed)
{
    const QStringList lines = TableEditor::open(dir.path(), kDemo, TableKind::Shu).List1;
    TableEditorView& v = open(TableKind::Shu);
    int asked = 0;
    bool answer = false;
    v.confirmDelete = [&](QWidget* parent) {
        EXPECT_EQ(parent, &v);
        ++asked;
        return answer;
    };

    click("sha");   // nothing selected: not even asked
    select(0);
    click("sha");   // the caption line: likewise
    EXPECT_EQ(asked, 0);

    select(2);
    click("sha");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(items(v.List1()), lines);

    answer = true;
    click("sha");
    EXPECT_EQ(asked, 2);
    TableEditor expected(TableKind::Shu, lines);
    expected.selected = 2;
    expected.sha();
    EXPECT_EQ(items(v.List1()), expected.List1);
    EXPECT_EQ(v.List1()->count(), lines.size());
    EXPECT_EQ(recordField(v.List1()->item(2)->text(), 1), QStringLiteral("2"));
    EXPECT_EQ(recordField(v.List1()->item(2)->text(), 2), recordField(lines[3], 2));
}

TEST_F(EditorWindow, InsertThenModifyAndConfirmThroughTheButtons)
{
    const QStringList lines = TableEditor::open(dir.path(), kDemo, TableKind::Cho).List1;
    TableEditorView& v = open(TableKind::Cho);
    select(2);
    click("cha");
    EXPECT_EQ(v.Text1()[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(v.List1()->count(), lines.size() + 1);
    EXPECT_EQ(v.List1()->item(2)->text(), QString());
    EXPECT_EQ(recordField(v.List1()->item(3)->text(), 1), QStringLiteral("3"));

    // 修改 on the record below loads it; confirming it unchanged keeps it.
    select(3);
    click("xiu");
    EXPECT_EQ(boxes(), recordFields(v.List1()->item(3)->text(), 9));
    const QString moved = v.List1()->item(3)->text();
    click("ok");
    EXPECT_EQ(v.List1()->item(3)->text(), moved);

    // Nothing selected: 修改 empties the boxes.
    v.List1()->clearSelection();
    click("xiu");
    EXPECT_EQ(boxes().join(QString()), QString());
}

TEST_F(EditorWindow, ARefusedRecordIsReportedAndChangesNothing)
{
    const QStringList lines = TableEditor::open(dir.path(), kDemo, TableKind::Shu).List1;
    TableEditorView& v = open(TableKind::Shu);
    type(0, QStringLiteral("1"));
    type(1, QStringLiteral("123456789012345"));
    type(2, QStringLiteral(" 7 "));
    click("ok");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], QStringLiteral("“交点桩号”的内容超过14个字符（现有15个），无法保存。"));
    EXPECT_EQ(items(v.List1()), lines);
    EXPECT_EQ(v.Text1()[2]->text(), QStringLiteral(" 7 "));

    type(0, QStringLiteral("99"));
    type(1, QStringLiteral("1"));
    click("ok");
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(warnings[1], QStringLiteral("“交点序号”须在1到%1之间，现为99。").arg(lines.size()));
    EXPECT_EQ(items(v.List1()), lines);
}

TEST_F(EditorWindow, ASaveThatFailsIsReportedAndTheWindowStaysOpen)
{
    const TableEditor editor = TableEditor::open(dir.path(), kDemo, TableKind::Cho);
    view = std::make_unique<TableEditorView>(editor, dir.path() + QStringLiteral("/没有这个目录"), kDemo);
    view->showWarning = [this](QWidget*, const QString& message) { warnings.append(message); };
    view->show();
    click("add");
    click("ok");
    click("bao");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(items(view->List1()).size(), editor.List1.size() + 1);
}

TEST_F(EditorWindow, ColumnWindowsStandBoxesLeftListRightButtonsUnder)
{
    for (TableKind kind : {TableKind::Pin, TableKind::Shu, TableKind::Cho}) {
        TableEditorView& v = open(kind);
        const auto at = [&v](const QWidget* w) { return w->mapTo(&v, QPoint(0, 0)); };
        const QList<QLineEdit*>& text = v.Text1();
        for (int j = 1; j < text.size(); ++j) {
            EXPECT_EQ(at(text[j]).x(), at(text[0]).x());
            EXPECT_GT(at(text[j]).y(), at(text[j - 1]).y());
        }
        const QWidget* ok = v.findChild<QPushButton*>(QStringLiteral("ok"));
        EXPECT_GT(at(ok).y(), at(text.last()).y() + text.last()->height() - 1);
        const QPoint frame = at(v.Frame1());
        EXPECT_GT(frame.x(), at(text[0]).x() + text[0]->width());
        EXPECT_GE(at(v.VScroll1()).x(), frame.x() + v.Frame1()->width());
        EXPECT_GE(at(v.HScroll1()).y(), frame.y() + v.Frame1()->height());
        int left = at(text[0]).x() + text[0]->width();   // under the list, not the boxes
        for (const char* name : {"add", "cha", "xiu", "sha", "bao"}) {
            const QWidget* b = v.findChild<QPushButton*>(QLatin1String(name));
            EXPECT_GT(at(b).x(), left) << name;
            EXPECT_GE(at(b).y(), at(v.HScroll1()).y() + v.HScroll1()->height()) << name;
            left = at(b).x();
        }
    }
}

TEST_F(EditorWindow, SubgradeWindowHasThreeColumnsOfBoxesAndTheListUnderThem)
{
    TableEditorView& v = open(TableKind::Lbp);
    const auto at = [&v](const QWidget* w) { return w->mapTo(&v, QPoint(0, 0)); };
    const QList<QLineEdit*>& text = v.Text1();
    ASSERT_EQ(text.size(), 47);
    // Fields 1-17, 18-32 and 33-47 each in a column, left to right.
    for (const auto& [first, last] : {std::pair{0, 16}, {17, 31}, {32, 46}})
        for (int j = first + 1; j <= last; ++j) {
            EXPECT_EQ(at(text[j]).x(), at(text[first]).x()) << j + 1;
            EXPECT_GT(at(text[j]).y(), at(text[j - 1]).y()) << j + 1;
        }
    EXPECT_LT(at(text[0]).x(), at(text[17]).x());
    EXPECT_LT(at(text[17]).x(), at(text[32]).x());
    EXPECT_EQ(at(text[17]).y(), at(text[0]).y());

    // The note stands under the middle column, level with fields 16 and 17,
    // and ok to its right.
    const QLabel* note = nullptr;
    for (const QLabel* label : v.findChildren<QLabel*>())
        if (label->text() == QStringLiteral("线性加宽填1,  高次加宽填2"))
            note = label;
    ASSERT_NE(note, nullptr);
    const QRect noteRect(at(note), note->size());
    EXPECT_GT(noteRect.top(), at(text[31]).y());
    EXPECT_LT(noteRect.top(), at(text[16]).y() + text[16]->height());
    EXPECT_GT(noteRect.bottom(), at(text[15]).y());
    EXPECT_GT(noteRect.right(), at(text[17]).x());
    const QWidget* ok = v.findChild<QPushButton*>(QStringLiteral("ok"));
    EXPECT_GE(at(ok).x(), noteRect.right());

    const int underBoxes = at(text[16]).y() + text[16]->height();
    EXPECT_GE(at(v.Frame1()).y(), underBoxes);
    EXPECT_GE(at(ok).y() + ok->height(), at(text[15]).y());
    EXPECT_LE(at(v.Frame1()).x(), at(text[0]).x());
    EXPECT_GE(at(v.Frame1()).x() + v.Frame1()->width(), at(text[46]).x() + text[46]->width() - 20);
    for (const char* name : {"add", "cha", "xiu", "sha", "bao"})
        EXPECT_GE(at(v.findChild<QPushButton*>(QLatin1String(name))).y(), at(v.HScroll1()).y()) << name;
}

TEST_F(EditorWindow, ScrollBarsHaveTheRangesOfTheirKindAndPanTheList)
{
    struct Case {
        TableKind kind;
        int hMax, hSmall, hLarge, vMax, vSmall, vLarge;
        QSize list;        // pixels
        QPoint panned;     // List1's position with HScroll1 at 1500 and VScroll1 at 300
    };
    const Case cases[] = {
        {TableKind::Pin, 21000, 1685, 5730, 20694, 50, 5000, {2000, 9988}, {-100, -100}},
        {TableKind::Shu, 8000, 1685, 2860, 21994, 50, 5000, {2000, 9988}, {-100, -100}},
        {TableKind::Cho, 9000, 1685, 2860, 21994, 50, 5000, {2000, 9988}, {-100, -100}},
        {TableKind::Lbp, 26000, 630, 5730, 29964, 100, 5000, {16383, 9988}, {-500, -20}},
    };
    for (const Case& c : cases) {
        TableEditorView& v = open(c.kind);
        QScrollBar* h = v.HScroll1();
        QScrollBar* vs = v.VScroll1();
        EXPECT_EQ(h->orientation(), Qt::Horizontal);
        EXPECT_EQ(vs->orientation(), Qt::Vertical);
        EXPECT_EQ((std::array{h->minimum(), h->maximum(), h->singleStep(), h->pageStep()}),
                  (std::array{0, c.hMax, c.hSmall, c.hLarge}));
        EXPECT_EQ((std::array{vs->minimum(), vs->maximum(), vs->singleStep(), vs->pageStep()}),
                  (std::array{0, c.vMax, c.vSmall, c.vLarge}));
        EXPECT_EQ(v.List1()->size(), c.list);
        EXPECT_EQ(v.List1()->pos(), QPoint(0, 0));
        h->setValue(1500);
        vs->setValue(300);
        EXPECT_EQ(v.List1()->pos(), c.panned);
        h->setValue(0);
        EXPECT_EQ(v.List1()->pos(), QPoint(0, c.panned.y()));
        // Only the frame's window onto the list is drawn.
        EXPECT_LT(v.Frame1()->width(), v.List1()->width());
        EXPECT_LT(v.Frame1()->height(), v.List1()->height());
    }
}

TEST_F(EditorWindow, TheListFontSetsFieldsInColumnsAndEveryLineFits)
{
    TableEditorView& v = open(TableKind::Pin);
    const QFontMetrics m(v.List1()->font());
    EXPECT_EQ(m.horizontalAdvance(QStringLiteral("0")), m.horizontalAdvance(QStringLiteral("W")));
    EXPECT_EQ(m.horizontalAdvance(QStringLiteral("交")), 2 * m.horizontalAdvance(QStringLiteral("0")));
    // A longest record and a table of 600 records fit in the list itself.
    EXPECT_LE(224 * m.horizontalAdvance(QStringLiteral("0")), v.List1()->width());
    EXPECT_LE((kMaxRecords + 1) * v.List1()->sizeHintForRow(0), v.List1()->height());
}

TEST(TableEditorOpening, OpensTheRouteTableModallyAndReportsAnUnreadableOne)
{
    AppDir dir{AppDir::Content::WithDemoRoute};
    QStringList seen;
    const auto closeWhatOpens = [&seen] {
        QWidget* w = QApplication::activeModalWidget();
        seen.append(w ? w->windowTitle() : QStringLiteral("none"));
        if (auto* editor = qobject_cast<TableEditorView*>(w))
            seen.append(QString::number(editor->List1()->count()));
        if (w)
            w->close();
    };
    QTimer::singleShot(0, closeWhatOpens);
    openTableEditor(nullptr, dir.path(), kDemo, TableKind::Lbp);
    const int lines = int(TableEditor::open(dir.path(), kDemo, TableKind::Lbp).List1.size());
    EXPECT_EQ(seen, (QStringList{"路基宽度/边坡参数", QString::number(lines)}));

    seen.clear();
    QTimer::singleShot(0, closeWhatOpens);
    openTableEditor(nullptr, dir.path(), QStringLiteral("没有的线路"), TableKind::Pin);
    EXPECT_EQ(seen, (QStringList{"平曲线参数"}));   // the message box, titled after the window
}

// Opens a Dialog through ask() and lets `answer` act on it once it shows.
bool askAnd(const std::function<void(Dialog*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
    return Dialog::ask(nullptr);
}

TEST(DeletionDialog, AnswersYesOnlyThroughItsOkButton)
{
    EXPECT_TRUE(askAnd([](Dialog* d) { QTest::mouseClick(d->OKButton(), Qt::LeftButton); }));
    EXPECT_FALSE(askAnd([](Dialog* d) { QTest::mouseClick(d->CancelButton(), Qt::LeftButton); }));
    EXPECT_FALSE(askAnd([](Dialog* d) { d->close(); }));
    EXPECT_FALSE(askAnd([](Dialog* d) { QTest::keyClick(d, Qt::Key_Escape); }));
    // Enter alone does not delete.
    EXPECT_FALSE(askAnd([](Dialog* d) {
        QTest::keyClick(d, Qt::Key_Return);
        if (d->isVisible())
            d->close();
    }));
}

TEST(DeletionDialog, ShowsItsQuestionInRedBold)
{
    Dialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("确认删除"));
    EXPECT_TRUE(d.isModal());
    EXPECT_EQ(d.message()->text(), QStringLiteral("确定删除所选线路参数!!!"));
    EXPECT_TRUE(d.message()->font().bold());
    EXPECT_EQ(d.message()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(d.OKButton()->objectName(), QStringLiteral("OKButton"));
    EXPECT_EQ(d.OKButton()->text(), QStringLiteral("确定"));
    EXPECT_EQ(d.CancelButton()->objectName(), QStringLiteral("CancelButton"));
    EXPECT_EQ(d.CancelButton()->text(), QStringLiteral("取消"));
}

} // namespace
} // namespace quarvane
