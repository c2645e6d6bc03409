#pragma once

// The batch screen: every station from a start station, stepping by an
// interval while below the end station, with a left and a right stake at
// fixed offsets; and single stations inserted after a run.

#include "stakeout/forward_screen.h"

namespace quarvane {

inline constexpr int kMaxStations = kResultRows / 3;   // 20000

class Batch {
public:
    // `Text4`: captions 0..4, values 5..9 (start, end, interval, left, right).
    std::array<QString, 10> Text4{QStringLiteral("起点桩号"), QStringLiteral("终点桩号"), QStringLiteral("间   距"),
                                  QStringLiteral("左边距"), QStringLiteral("右边距")};
    // `Text5`: the one-station grid the run passes through.
    StakeGrid Text5 = emptyStakeGrid();

    // The stations of a run, as the run steps: each station is the decimal
    // text shown in the grid, so the errors of adding the interval do not
    // pile up. Throws UserError when the interval cannot reach the end, or
    // the run would pass `limit` stations (saying how many it would have).
    static std::vector<QString> runStations(double A1, double A2, double A3, int limit);

    // 计 算: the run. `jieguo` is emptied and filled with the run; the report
    // lines are appended to what the list holds. All or nothing: an input
    // that is not a number, a run too long for the results table or the
    // report, or a station the engine refuses changes nothing.
    void comp2(Workspace& w);

    // 插入点: computes the station and offsets typed in the grid and appends
    // them after the recorded rows and lines.
    void insert1(Workspace& w);
};

} // namespace quarvane
