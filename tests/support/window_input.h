#pragma once

// What the window tests do as a user would: type any text, answer a modal
// file dialog.

#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

namespace quarvane::test {

// Types text as key presses, Chinese characters included (which
// QTest::keyClicks cannot type).
void typeText(QWidget* widget, const QString& text);

// Answers the next modal file dialog with `act` once it shows (call it
// before the action that opens the dialog). A dialog still open two seconds
// after the answer is a failure, rejected so that the test goes on.
void answerNextFileDialog(std::function<void(QFileDialog*)> act);

// Puts a file name into the dialog's name box as a user types it
// (selectFile leaves a focused name box alone).
void typeFileName(QFileDialog* dialog, const QString& file);

} // namespace quarvane::test
