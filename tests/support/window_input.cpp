#include "support/window_input.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace quarvane::test {

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void answerNextFileDialog(std::function<void(QFileDialog*)> act)
{
    // Owned by the application: when a test ends right after its last
    // dialog, the tick that would delete the timer never comes.
    auto* timer = new QTimer(qApp);
    auto answered = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, answered] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (*answered == 0 && dialog) {
            *answered = 1;
            act(dialog);
        } else if (*answered > 0 && (!dialog || ++*answered > 200)) {
            if (dialog) {
                ADD_FAILURE() << "the dialog did not close";
                dialog->reject();
            }
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

void typeFileName(QFileDialog* dialog, const QString& file)
{
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(box, nullptr);
    dialog->setDirectory(QFileInfo(file).path());
    box->setText(QFileInfo(file).fileName());
}

} // namespace quarvane::test
