#pragma once

// How the keyboard moves through the entry grids of the computing screens.
// Every cell selects its text when it gets the focus; some cells hand the
// focus on at once; Enter and Right arrow move forward, Left arrow back, the
// last input of a grid moving to its compute button without pressing it.

#include <QString>
#include <optional>

namespace quarvane {

enum class Grid { Text1, Text13, Text4, Text5, Text10, Text11, Text12 };

enum class NavKey { Enter, Right, Left, Other };

// Where the focus goes: a cell of a grid, or a button by its name.
struct FocusTarget {
    Grid grid = Grid::Text1;
    int index = -1;
    QString button;   // "comp1", "comp2", "insert1", "zhuangcomp", "jiegoucomp"

    bool operator==(const FocusTarget&) const = default;
};

FocusTarget cell(Grid grid, int index);
FocusTarget buttonTarget(const QString& name);

// A cell that passes the focus on as soon as it gets it.
std::optional<FocusTarget> handOver(Grid grid, int index);

// The move of a key in a cell; `batchShown` tells where the median grid's
// last box leads (the batch grid when it shows, else the single-point grid).
std::optional<FocusTarget> keyMove(Grid grid, int index, NavKey key, bool batchShown);

} // namespace quarvane
