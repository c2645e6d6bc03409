#pragma once

// The single-point and batch screens in the main window: the median grid
// `Text13` (frame Frame6), the single-point grid `Text1` and its buttons
// (out1), the batch range `Text4` (inputpiliang1) and the batch grid `Text5`
// with its buttons (out2). The cells are the state's cells (see
// EntryGridView); the view adds the focus moves of the entry grids, Enter on
// a focused button, and the save dialog.

#include "stakeout/entry_grid_view.h"

namespace quarvane {

// The save dialog of the 保 存 buttons: title 保存, the save filters in
// their order, default suffix xls (following the file type chosen). An
// empty file name when the user cancels it.
SaveChoice askSaveFile(QWidget* parent);

class StakeGridsView : public EntryGridView {
    Q_OBJECT
public:
    // The frames the screens fill, as the main window placed them.
    struct Frames {
        QFrame *Frame6, *out1, *inputpiliang1, *out2;
    };

    StakeGridsView(ShellState& state, const Frames& frames, Run run, std::function<SaveChoice()> chooseSaveFile,
                   QObject* parent);

    std::array<QLineEdit*, 4> Text13{};
    std::array<QLineEdit*, 24> Text1{};
    std::array<QLineEdit*, 10> Text4{};
    std::array<QLineEdit*, 24> Text5{};
    QPushButton *comp1, *ok11, *save11, *cancel11;
    QPushButton *insert1, *comp2, *savel2, *cancel12;
};

} // namespace quarvane
