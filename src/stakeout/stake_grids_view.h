#pragma once

// The single-point and batch screens in the main window: the median grid
// `Text13` (frame Frame6), the single-point grid `Text1` and its buttons
// (out1), the batch range `Text4` (inputpiliang1) and the batch grid `Text5`
// with its buttons (out2). The cells are the state's cells: an edit goes
// into the state at once, and refresh() shows the state's texts again after
// an action. What only a window has lives here: the focus moves of the
// entry grids, Enter on a focused button, and the save dialog.

#include "shell/shell_state.h"
#include "stakeout/entry_navigation.h"
#include "stakeout/result_saving.h"

#include <QObject>
#include <array>
#include <functional>
#include <map>
#include <utility>

class QFrame;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quarvane {

// The save dialog of the 保 存 buttons: title 保存, the save filters in
// their order, default suffix xls (following the file type chosen). An
// empty file name when the user cancels it.
SaveChoice askSaveFile(QWidget* parent);

class StakeGridsView : public QObject {
    Q_OBJECT
public:
    // The frames the screens fill, as the main window placed them.
    struct Frames {
        QFrame *Frame6, *out1, *inputpiliang1, *out2;
    };
    // How a button runs a change of the state (errors become messages and
    // the window is refreshed), and how the save dialog is asked.
    using Run = std::function<bool(const std::function<void()>&)>;

    StakeGridsView(ShellState& state, const Frames& frames, Run run, std::function<SaveChoice()> chooseSaveFile,
                   QObject* parent);

    std::array<QLineEdit*, 4> Text13{};
    std::array<QLineEdit*, 24> Text1{};
    std::array<QLineEdit*, 10> Text4{};
    std::array<QLineEdit*, 24> Text5{};
    QPushButton *comp1, *ok11, *save11, *cancel11;
    QPushButton *insert1, *comp2, *savel2, *cancel12;

    // Writes the state's cell texts into the boxes that show something else.
    void refresh();

    // Puts the keyboard focus on a cell (its text selected) or a button of
    // these screens; false when the target is not one of them.
    bool focus(const FocusTarget& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <std::size_t N>
    void buildGrid(std::array<QLineEdit*, N>& boxes, Grid grid, QWidget* frame);
    QString& stateCell(Grid grid, int index);
    QLineEdit* box(Grid grid, int index) const;
    QPushButton* buttonNamed(const QString& name) const;
    bool cellKey(Grid grid, int index, int key);
    void save(void (ShellState::*saveButton)(const SaveChoice&));

    ShellState& state_;
    Run run_;
    std::function<SaveChoice()> chooseSaveFile_;
    std::map<QLineEdit*, std::pair<Grid, int>> cells_;
    QList<QPushButton*> buttons_;
};

} // namespace quarvane
