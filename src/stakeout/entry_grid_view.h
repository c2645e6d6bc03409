#pragma once

// What the windows of the computing screens share: text boxes that show the
// state's cells (an edit goes into the state at once, and refresh() shows
// the state's texts again after an action), buttons that run changes of the
// state, and the keyboard. A cell selects its text when it gets the focus,
// or hands the focus on; Enter and the arrows move between the cells as
// entry_navigation.h says; Enter presses a focused button.

#include "shell/shell_state.h"
#include "stakeout/entry_navigation.h"
#include "stakeout/result_saving.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <map>
#include <span>
#include <utility>

class QFrame;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quarvane {

// A cell that gets the focus selects this many characters from the start.
inline constexpr int kSelectionLength = 15;

// How a cell looks: a fixed caption is bold, centred, and can be neither
// edited nor focused; caption rows are shaded light green.
struct CellRole {
    bool caption = false;
    bool shaded = false;
};
inline const QColor kCaptionShade(192, 255, 192);

// Placing boxes and buttons inside a frame, in pixels.
namespace entry_layout {

inline constexpr int kMargin = 6;        // between a frame's border and its content
inline constexpr int kThinMargin = 2;    // the same in the frames only a row or two high
inline constexpr int kMaxCellHeight = 32;
inline constexpr int kButtonHeight = 30;
inline constexpr int kMinButtonWidth = 96;

// The part of a frame the user sees, less its border and margin: the
// window's client area cuts off what lies past its right or bottom edge,
// and a panel shown on top of the frame's lower part covers that band.
QRect usableArea(const QFrame* frame, int margin, const QWidget* coversBottom = nullptr);

// Boxes side by side across the area's width, which they share evenly.
void layRow(std::span<QLineEdit* const> boxes, QRect area, int top, int height);

// Boxes as a table of `rows` x `columns` touching cells of one height,
// index = columns x row + column.
void layCells(std::span<QLineEdit* const> boxes, int rows, int columns, QRect area, int rowHeight);

// The width every button of a row gets: the widest caption's, at least
// kMinButtonWidth.
int buttonWidth(const QList<QPushButton*>& buttons);

// Buttons of one width in a row along the bottom of the area, with equal
// gaps between and beside them.
void layButtons(const QList<QPushButton*>& buttons, QRect area);

} // namespace entry_layout

class EntryGridView : public QObject {
    Q_OBJECT
public:
    // How a button runs a change of the state (errors become messages and
    // the window is refreshed): false when the change failed.
    using Run = std::function<bool(const std::function<void()>&)>;

    // Writes the state's cell texts into the boxes that show something else.
    void refresh();

    // Puts the keyboard focus on a cell (its text selected) or a button of
    // this view; false when the target is not one of them.
    bool focus(const FocusTarget& target);

protected:
    EntryGridView(ShellState& state, Run run, std::function<SaveChoice()> chooseSaveFile, QObject* parent);

    // The boxes of a grid inside a frame, each showing its state cell, named
    // after the grid and the index ("Text10_4"); laid out by the caller.
    template <std::size_t N>
    void addGrid(std::array<QLineEdit*, N>& boxes, Grid grid, std::array<QString, N>& cells, QWidget* frame,
                 CellRole (*roleOf)(int index))
    {
        for (std::size_t k = 0; k < N; ++k)
            boxes[k] = addCell(frame, grid, int(k), cells[k], roleOf(int(k)));
    }

    QPushButton* addButton(QWidget* frame, const char* name, const QString& caption);
    // A click runs the change; `then` follows when it succeeded.
    void onClick(QPushButton* button, std::function<void()> change, std::function<void()> then = {});
    // Tab walks the inputs in the order Enter does, then the buttons, so
    // every button is reached from the keyboard without passing the cells
    // that hand the focus back.
    static void tabOrder(std::initializer_list<QWidget*> widgets);
    // A click asks for the file, then saves; a cancelled dialog saves nothing.
    void onSave(QPushButton* button, void (ShellState::*saveButton)(const SaveChoice&));

    bool eventFilter(QObject* watched, QEvent* event) override;

    ShellState& state_;

private:
    struct Cell {
        Grid grid;
        int index;
        QString* text;   // the state's cell
    };
    QLineEdit* addCell(QWidget* frame, Grid grid, int index, QString& text, CellRole role);
    QLineEdit* box(Grid grid, int index) const;
    QPushButton* buttonNamed(const QString& name) const;
    bool cellKey(Grid grid, int index, int key);

    Run run_;
    std::function<SaveChoice()> chooseSaveFile_;
    std::map<QLineEdit*, Cell> cells_;
    std::map<std::pair<Grid, int>, QLineEdit*> boxes_;
    QList<QPushButton*> buttons_;
};

} // namespace quarvane
