#pragma once

// The structure screen in the main window (frame `Frame5`, opened by
// 结构物计算): the six inputs `Text11` under their captions, the grid
// `Text12` of the seven computed points, and the four buttons. The cells are
// the state's cells (see EntryGridView); a cell of the point grid passes the
// focus to the station box.

#include "stakeout/entry_grid_view.h"

namespace quarvane {

class StructureView : public EntryGridView {
    Q_OBJECT
public:
    // `Frame5` is the frame to fill; the list panel `HV` covers its lower band.
    StructureView(ShellState& state, QFrame* Frame5, const QWidget* HV, Run run,
                  std::function<SaveChoice()> chooseSaveFile, QObject* parent);

    std::array<QLineEdit*, 12> Text11{};
    std::array<QLineEdit*, 40> Text12{};
    QPushButton *jiegoucomp, *jiegouok, *jiegousavel, *jiegoucancel;
};

} // namespace quarvane
