#include "support/screen_window.h"

#include "widgets/fonts.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace quarvane::test {

ScreenWindow::ScreenWindow(const AppDir& dir) : form(dir.path())
{
    form.showMessage = [this](const QString& text) { messages.append(text); };
    form.showInformation = [this](const QString& text) { information.append(text); };
    form.launchCalculator = [] { return QString(); };
    form.chooseSaveFile = [this] {
        ++dialogs;
        return choice;
    };
    form.chooseOpenFile = [this] {
        ++openDialogs;
        answered.start();
        return openAnswer;
    };
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    form.List1->setCurrentRow(0);
    QTest::mouseClick(form.xlok, Qt::LeftButton);
    EXPECT_EQ(form.XLming->text(), QStringLiteral("演示线路"));
}

QWidget* ScreenWindow::focused() { return QApplication::focusWidget(); }
void ScreenWindow::key(Qt::Key k) { QTest::keyClick(focused(), k); }
void ScreenWindow::type(const QString& text) { QTest::keyClicks(focused(), text); }

void ScreenWindow::enter(const QString& text)
{
    type(text);
    key(Qt::Key_Return);
}

QStringList ScreenWindow::report() const
{
    QStringList out;
    for (int i = 0; i < form.List1->count(); ++i)
        out.append(form.List1->item(i)->text());
    return out;
}

::testing::AssertionResult focusedAndSelected(QLineEdit* box)
{
    if (QApplication::focusWidget() != box)
        return ::testing::AssertionFailure()
               << box->objectName().toStdString() << " has no focus; "
               << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nothing")
               << " has";
    if (box->selectedText() != box->text().left(15) || (box->hasSelectedText() && box->selectionStart() != 0))
        return ::testing::AssertionFailure() << box->objectName().toStdString() << " selects \""
                                             << box->selectedText().toStdString() << "\" of \""
                                             << box->text().toStdString() << "\"";
    return ::testing::AssertionSuccess();
}

void expectLook(const GridLook& look)
{
    const QColor shade(192, 255, 192);
    const QString family = songFont(12).family();
    for (int k = 0; k < look.boxes.size(); ++k) {
        const QLineEdit* box = look.boxes[k];
        const bool fixed = look.fixed.contains(k);
        EXPECT_EQ(box->isReadOnly(), fixed) << look.grid << '(' << k << ')';
        EXPECT_EQ(box->font().bold(), fixed) << look.grid << '(' << k << ')';
        EXPECT_EQ(box->font().family(), family) << look.grid << '(' << k << ')';
        EXPECT_EQ(box->palette().color(QPalette::Base) == shade, look.shaded.contains(k)) << look.grid << '(' << k << ')';
    }
}

QRect visiblePart(const QFrame* frame, const QWidget* coversBottom)
{
    QRect visible = frame->rect() & QRect(-frame->pos(), frame->parentWidget()->size());
    if (coversBottom)
        visible.setBottom(coversBottom->y() - frame->y() - 1);
    return visible;
}

void expectLaidOut(const QFrame* frame, QRect visible)
{
    const QList<QWidget*> items = frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(items.isEmpty()) << frame->objectName().toStdString();
    for (int a = 0; a < items.size(); ++a) {
        const QWidget* item = items[a];
        const std::string name = item->objectName().toStdString();
        EXPECT_TRUE(visible.contains(item->geometry())) << name;
        for (int b = a + 1; b < items.size(); ++b)
            EXPECT_FALSE(item->geometry().intersects(items[b]->geometry()))
                << name << " and " << items[b]->objectName().toStdString();
        if (auto* box = qobject_cast<const QLineEdit*>(item)) {
            EXPECT_LT(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 6) << name;
            EXPECT_GE(box->height(), box->fontMetrics().height() + 4) << name;
        }
        if (auto* button = qobject_cast<const QPushButton*>(item)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << name;
        }
    }
}

} // namespace quarvane::test
