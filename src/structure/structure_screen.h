#pragma once

// The structure screen: the six inputs `Text11` (station, skew, axis
// lengths, widths), the grid `Text12` of the seven computed points, each
// recorded structure a block of eight rows of `jieguo` and eight report
// lines (the last one empty).
//
// `Text12`, 8 rows of 5 cells: header 0..4 "桩 号" "点 位" "结构尺寸"
// "X 坐标" "Y 坐标"; point row r (0..6) is cells 5+5r..9+5r: station (the
// centre's only), point caption, dimension, X, Y.

#include "stakeout/forward_screen.h"
#include "stakeout/result_saving.h"

#include <array>
#include <optional>

namespace quarvane {

using StructureInputs = std::array<QString, 12>;
using StructureGrid = std::array<QString, 40>;

StructureInputs emptyStructureInputs();
StructureGrid emptyStructureGrid();

QString structureReportHeader();

class StructureScreen {
public:
    StructureInputs Text11 = emptyStructureInputs();
    StructureGrid Text12 = emptyStructureGrid();

    // 计 算: the seven points into the grid; empty skew, lengths and widths
    // become "0". Throws UserError (nothing changed) when no route is
    // loaded, for an input that is not a number, and for a station the
    // horizontal computation refuses.
    void jiegoucomp(Workspace& w);

    // 确 定: records the grid as the next block and its report lines, then
    // empties the inputs and results. A structure at station 0 is recorded
    // as K00+000.000. Throws UserError (nothing recorded) without a
    // computed structure or when `jieguo` is full.
    void jiegouok(Workspace& w);

private:
    std::optional<double> computed_;   // the station of the grid's points
};

// The structure layout of the text export (points numbered without the
// header rows) and of the workbook (the blocks as they stand in `jieguo`).
QStringList structureTextExport(const ResultsTable& jieguo);
XlsWorkbook structureWorkbook(const ResultsTable& jieguo);
// 保 存 of the structure screen (template temp/jjj.xls).
void saveStructureResults(const QString& FilePosition, const ResultsTable& jieguo, const SaveChoice& choice);

} // namespace quarvane
