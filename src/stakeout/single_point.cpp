#include "stakeout/single_point.h"

#include "stakeout/report.h"
#include "text/user_error.h"

namespace quarvane {


void SinglePoint::comp1(Workspace& w)
{
    requireRouteTables(w.tables);
    const StakeInputs in = readStakeInputs(Text1[6], Text1[14], Text1[20], w.Text13);
    StakeGrid grid = Text1;
    for (std::size_t cell : {6u, 14u, 20u})
        if (grid[cell].isEmpty())
            grid[cell] = QStringLiteral("0");
    computeStakes(grid, in, w.tables);
    if (in.Dz == 0)
        for (std::size_t cell : {14u, 15u, 16u, 17u})
            grid[cell].clear();
    if (in.Dy == 0)
        for (std::size_t cell : {20u, 21u, 22u, 23u})
            grid[cell].clear();
    Text1 = grid;
}

void SinglePoint::ok11(Workspace& w)
{
    const QString Khao = stationCellNotation(Text1[6].trimmed());
    recordStation(w, Text1, Text1, Khao);
    clearCells();
}

void SinglePoint::clearCells()
{
    for (std::size_t cell : {6u, 9u, 10u, 11u, 12u, 14u, 15u, 16u, 17u, 18u, 20u, 21u, 22u, 23u})
        Text1[cell].clear();
}

} // namespace quarvane
