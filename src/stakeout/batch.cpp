#include "stakeout/batch.h"

#include "geometry/zcx.h"
#include "stakeout/report.h"
#include "text/number_text.h"
#include "text/user_error.h"

#include <cmath>

namespace quarvane {

std::vector<QString> Batch::runStations(double A1, double A2, double A3, int limit)
{
    std::vector<QString> stations;
    if (!(A1 < A2))
        return stations;
    if (!(A3 > 0))
        throw UserError(QStringLiteral("间距必须大于0（起点桩号小于终点桩号时）。"));
    const double estimate = std::ceil((A2 - A1) / A3);
    if (estimate > limit)
        throw UserError(QStringLiteral("这次计算约有%1个桩，超过%2个的上限，未计算。请加大间距或缩短范围。")
                            .arg(plainNumber(estimate))
                            .arg(limit));
    double P = A1;
    double previous = 0;
    while (P < A2) {
        const QString text = plainNumber(P);
        const double shown = fullNumber(text).value_or(P);
        if (!stations.empty() && !(shown > previous))
            throw UserError(QStringLiteral("间距%1相对桩号%2太小，桩号无法前进。").arg(plainNumber(A3), text));
        if (int(stations.size()) == limit)
            throw UserError(QStringLiteral("这次计算超过%1个桩的上限，未计算。请加大间距或缩短范围。").arg(limit));
        stations.push_back(text);
        previous = shown;
        P = shown + A3;
    }
    return stations;
}

void Batch::comp2(Workspace& w)
{
    requireRouteTables(w.tables);
    std::array<QString, 10> inputs = Text4;
    for (int k = 5; k <= 9; ++k)
        if (inputs[std::size_t(k)].isEmpty())
            inputs[std::size_t(k)] = QStringLiteral("0");
    const double A1 = engineNumber(inputs[5], QStringLiteral("起点桩号"));
    const double A2 = engineNumber(inputs[6], QStringLiteral("终点桩号"));
    const double A3 = engineNumber(inputs[7], QStringLiteral("间距"));
    engineNumber(inputs[8], QStringLiteral("左边距"));
    engineNumber(inputs[9], QStringLiteral("右边距"));
    readStakeInputs(QString(), QString(), QString(), w.Text13);

    const std::vector<QString> stations = runStations(A1, A2, A3, kMaxStations);

    // The run is computed into a table of its own and takes the place of
    // `jieguo` only when every station went; column 10, which no run
    // writes, is kept.
    StakeGrid grid = Text5;
    if (grid[6].isEmpty())
        grid[6] = QStringLiteral("0");
    ResultsTable run;
    QStringList lines;
    lines.reserve(qsizetype(stations.size()) * 3);
    int next = firstFreeLine(w.list.List1);
    int r = 1;
    for (const QString& station : stations) {
        grid[6] = station;
        grid[14] = inputs[8];
        grid[20] = inputs[9];
        const StakeInputs in = readStakeInputs(grid[6], grid[14], grid[20], w.Text13);
        computeStakes(grid, in, w.tables);
        if (in.Dz == 0)
            for (std::size_t cell : {14u, 15u, 16u, 17u})
                grid[cell].clear();
        if (in.Dy == 0)
            for (std::size_t cell : {20u, 21u, 22u, 23u})
                grid[cell].clear();
        const QString Khao = stationCellNotation(grid[6].trimmed());
        const QStringList stationLines = stakeReportLines(grid, Khao, next);
        next += int(stationLines.size());
        if (next > kMaxReportLines)
            throw UserError(QStringLiteral("报表最多%1行，这次计算的%2个桩放不下，未计算。请先保存结果，再重新打开本界面。")
                                .arg(kMaxReportLines - 1)
                                .arg(stations.size()));
        lines += stationLines;
        storeGroup(run, r, grid, Khao);
        r += 3;
    }

    Text4 = inputs;
    if (Text5[6].isEmpty())
        Text5[6] = QStringLiteral("0");
    for (int row = 1; row <= w.jieguo.usedRows(); ++row)
        if (!w.jieguo(row, kResultColumns).isEmpty())
            run(row, kResultColumns) = w.jieguo(row, kResultColumns);
    std::swap(w.jieguo, run);
    if (stations.empty())
        return;
    putLine(w.list.List1, 0, forwardReportHeader());
    const int first = firstFreeLine(w.list.List1);
    w.list.List1.reserve(first + lines.size());
    for (int k = 0; k < lines.size(); ++k)
        putLine(w.list.List1, first + k, lines[k]);
    w.list.selected = -1;
    fitReport(w.list);
    Text5 = grid;
}

void Batch::insert1(Workspace& w)
{
    requireRouteTables(w.tables);
    StakeGrid grid = Text5;
    for (std::size_t cell : {6u, 14u, 20u})
        if (grid[cell].isEmpty())
            grid[cell] = QStringLiteral("0");
    const StakeInputs in = readStakeInputs(grid[6], grid[14], grid[20], w.Text13);
    computeStakes(grid, in, w.tables);
    const QString Khao = stationCellNotation(grid[6].trimmed());
    // The inserted station is stored whole, a side of offset 0 included;
    // the screen and the report then leave the zero sides out.
    StakeGrid shown = grid;
    if (in.Dz == 0)
        for (std::size_t cell : {14u, 15u, 16u})
            shown[cell].clear();
    if (in.Dy == 0)
        for (std::size_t cell : {20u, 21u, 22u})
            shown[cell].clear();
    // The list is fitted here too, so an inserted line past the 19th can
    // be scrolled to.
    recordStation(w, grid, shown, Khao);
    Text5 = shown;
}

} // namespace quarvane
