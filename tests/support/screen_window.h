#pragma once

// The main window as the tests of the computing screens drive it: on the
// demo route, loaded as a user does it, with every seam that would open a
// dialog answered from a field; and the checks those tests share.

#include "shell/form1.h"
#include "support/app_dir.h"

#include <QElapsedTimer>
#include <QList>
#include <QRect>
#include <QStringList>
#include <gtest/gtest.h>

class QFrame;
class QLineEdit;

namespace quarvane::test {

struct ScreenWindow {
    explicit ScreenWindow(const AppDir& dir);

    static QWidget* focused();
    static void key(Qt::Key k);
    static void type(const QString& text);
    // Types into the focused box, then Enter.
    static void enter(const QString& text);

    QStringList report() const;
    QString jieguo(int row, int column) { return form.state().jieguo(row, column); }

    Form1 form;
    QStringList messages;      // shown through showMessage
    QStringList information;   // shown through showInformation
    SaveChoice choice;         // the save dialog's answer
    int dialogs = 0;           // save dialogs asked
    QString openAnswer;        // the open dialog's answer
    int openDialogs = 0;
    QElapsedTimer answered;    // started when the open dialog answers
};

// The focused box, with its text selected from the start (15 characters).
::testing::AssertionResult focusedAndSelected(QLineEdit* box);

// How the boxes of a grid look: the shaded ones, the fixed captions (bold,
// read-only); all of them in the grid font.
struct GridLook {
    const char* grid;
    QList<QLineEdit*> boxes;
    QList<int> shaded, fixed;
};
void expectLook(const GridLook& look);

// The part of a frame the user sees, in the frame's coordinates: what the
// window's client area shows of it, above `coversBottom` when that panel
// lies over its lower band.
QRect visiblePart(const QFrame* frame, const QWidget* coversBottom = nullptr);

// Every box and button of the frame lies inside `visible`, none covers
// another, and its text fits it.
void expectLaidOut(const QFrame* frame, QRect visible);

} // namespace quarvane::test
