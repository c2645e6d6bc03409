#pragma once

// The measured-point screen: the measured X, Y and elevation of one point
// typed into the grid `Text10`, compared with the design, recorded as the
// next row of `jieguo` (columns 1..10) and the next report line.
//
// Grid cells: captions 0 "实测X坐标", 1 "实测Y坐标", 8 "实测高程", 2 "计算桩号",
// 3 "偏距", 9 "设计高程", 10 "填挖高度", 17 "路基设计宽", 11 "放样偏差";
// inputs 4 (X), 5 (Y), 12 (elevation); results 6 (station), 7 (offset),
// 13 (design elevation), 14 (fill/cut), 16 (subgrade width), 15 (deviation).

#include "inverse/station_offset.h"
#include "stakeout/forward_screen.h"
#include "stakeout/result_saving.h"

#include <array>

namespace quarvane {

using MeasuredGrid = std::array<QString, 18>;
MeasuredGrid emptyMeasuredGrid();

// The header of the measured-point report.
QString measuredReportHeader();

class MeasuredPoint {
public:
    MeasuredGrid Text10 = emptyMeasuredGrid();

    // 计 算: the comparison of the typed point; an empty X or Y becomes "0".
    // Records nothing. Throws UserError (nothing changed) when no route is
    // loaded, for X or Y that is not a number, and for a point the
    // computation cannot put on the route.
    void zhuangcomp(Workspace& w, InverseState& state);

    // 确 定: records what the cells show as the next row and report line,
    // then empties the inputs and results. Throws UserError (nothing
    // recorded) without a computed station or when `jieguo` is full.
    void zhuangok(Workspace& w);

    // The computation alone, into the result cells, for the file run.
    void compute(RouteTables& tables, InverseState& state);
    // The recording alone into row n (the first free row; the file run
    // counts its rows itself), without emptying the cells.
    void record(Workspace& w, int n) const;
};

// The first row of `jieguo` whose first column is empty (60001 when full).
int firstFreeRow(const ResultsTable& jieguo);

// The measured-point layout of the text export: a caption line, then one
// line per recorded row.
QStringList measuredTextExport(const ResultsTable& jieguo);
// The measured-point workbook: its titles, then every recorded row.
XlsWorkbook measuredWorkbook(const ResultsTable& jieguo);
// 保 存 of the measured-point screen (template temp/ppp.xls).
void saveMeasuredResults(const QString& FilePosition, const ResultsTable& jieguo, const SaveChoice& choice);

} // namespace quarvane
