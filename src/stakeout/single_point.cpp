#include "stakeout/single_point.h"

#include "stakeout/report.h"
#include "text/user_error.h"

namespace quarvane {

namespace {

void requireRoute(const RouteTables& tables)
{
    if (!tableLoaded(tables.yaosup) && !tableLoaded(tables.yaosus))
        throw UserError(QStringLiteral("没有载入线路参数：请先在“选择线路”中选中线路并按“确定”。"));
}

} // namespace

void SinglePoint::comp1(Workspace& w)
{
    requireRoute(w.tables);
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
    int g = 1;
    while (g <= kResultRows && !w.jieguo(g, 1).isEmpty())
        g += 3;
    if (g + 2 > kResultRows)
        throw UserError(QStringLiteral("结果表已满：最多记录%1个点。请先保存结果，再重新打开本界面。").arg(kResultRows / 3));
    const QString Khao = stationCellNotation(Text1[6].trimmed());
    const int p = firstFreeLine(w.list.List1);
    const QStringList lines = stakeReportLines(Text1, Khao, p);
    if (p + lines.size() > kMaxReportLines)
        throw UserError(QStringLiteral("报表已满：最多%1行。请先保存结果，再重新打开本界面。").arg(kMaxReportLines - 1));

    storeGroup(w.jieguo, g, Text1, Khao);
    putLine(w.list.List1, 0, forwardReportHeader());
    for (int k = 0; k < lines.size(); ++k)
        putLine(w.list.List1, p + k, lines[k]);
    w.list.selected = -1;
    fitReport(w.list);
    clearCells();
}

void SinglePoint::clearCells()
{
    for (std::size_t cell : {6u, 9u, 10u, 11u, 12u, 14u, 15u, 16u, 17u, 18u, 20u, 21u, 22u, 23u})
        Text1[cell].clear();
}

} // namespace quarvane
