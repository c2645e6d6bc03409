#pragma once

// The single-point screen: one station with a left and a right side stake,
// computed into the grid `Text1`, recorded into `jieguo` and the report.

#include "stakeout/forward_screen.h"

namespace quarvane {

class SinglePoint {
public:
    StakeGrid Text1 = emptyStakeGrid();

    // 计 算: computes the station of cell 6 with the offsets of cells 14 and
    // 20 into the grid; an empty input cell becomes "0", a side of offset 0
    // is emptied. Records nothing. Throws UserError (nothing changed) for an
    // input that is not a number, when no route is loaded, and for what the
    // engine cannot compute.
    void comp1(Workspace& w);

    // 确 定: records the grid as the next group of three rows of `jieguo`
    // and appends one to three report lines. Throws UserError (nothing
    // recorded) without a station, when `jieguo` or the report is full, or
    // when a field does not fit the report's columns.
    void ok11(Workspace& w);

    // Empties the input and result cells (captions and cell 8 stay).
    void clearCells();
};

} // namespace quarvane
