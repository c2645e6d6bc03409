#pragma once

// What the single-point and batch screens share: their 24-cell grid of
// three stakes (centre, left, right) under a caption row, the median
// half-widths, the computation of one station into the grid, its three
// rows of the results table and its report lines.
//
// Grid cells, index = 6 x row + column:
//   0 "桩号"  1 "桩位"    2 "边距"   3 "X 坐标" 4 "Y 坐标" 5 "高程"
//   6 station 7 "中  桩"  8          9 X       10 Y       11 elevation
//  12         13 "左边桩" 14 left    15 X      16 Y       17 elevation
//  18         19 "右边桩" 20 right   21 X      22 Y       23 elevation

#include "route/route_tables.h"
#include "stakeout/results_table.h"

#include <QString>
#include <QStringList>
#include <array>

namespace quarvane {

using StakeGrid = std::array<QString, 24>;
using MedianGrid = std::array<QString, 4>;

// A grid with its captions and empty input and result cells.
StakeGrid emptyStakeGrid();
// The median grid `Text13`: captions and the two half-widths, "0" each.
MedianGrid initialMedianGrid();

// The list panel a screen reports into.
struct ListPanelRef {
    QStringList& List1;
    int& selected;
    int& VScroll1Max;
    int& List1Height;
};

// Fits the list to its lines: the short height 4590 with the cap.
void fitReport(ListPanelRef list);

// What a computing screen works on besides its own cells.
struct Workspace {
    RouteTables& tables;
    ResultsTable& jieguo;
    ListPanelRef list;
    const MedianGrid& Text13;
};

// Everything a screen's rules work on, owned in one place: for the command
// line and for tests, which run the rules without a main window.
struct StandaloneWorkspace {
    RouteTables tables;
    ResultsTable jieguo;
    QStringList List1;
    int selected = -1;
    int VScroll1Max = 0;
    int List1Height = 4590;
    MedianGrid Text13 = initialMedianGrid();

    Workspace workspace()
    {
        return Workspace{tables, jieguo, ListPanelRef{List1, selected, VScroll1Max, List1Height}, Text13};
    }
};

// A horizontal or vertical table counts as loaded when the first field of
// its first record is neither empty nor 0.
bool tableLoaded(const DesignTable& table);

// Throws UserError when neither the horizontal nor the vertical table is
// loaded: there would be nothing to compute.
void requireRouteTables(const RouteTables& tables);

// The numbers a station is computed from, read from their cells: an empty
// cell is 0, other text must be a number (UserError naming the cell).
struct StakeInputs {
    double P = 0, Dz = 0, Dy = 0, Dzf = 0, Dyf = 0;
};
StakeInputs readStakeInputs(const QString& station, const QString& left, const QString& right,
                            const MedianGrid& Text13);

// Computes the stakes at the inputs' station into the grid: coordinates
// when the horizontal table is loaded, elevations when the vertical table
// is, each rounded to 3 decimals (halves to even) and formatted "0.000"; an
// elevation of 0 leaves its cell empty, and so does a side for which no
// cross slope is known. Cells not computed keep their text.
void computeStakes(StakeGrid& grid, const StakeInputs& in, RouteTables& tables);

// Stores the grid's three rows into rows r, r+1, r+2 of the results table,
// the station notation in the centre row's first column.
void storeGroup(ResultsTable& jieguo, int r, const StakeGrid& grid, const QString& Khao);

// The report lines of one station numbered from `first`: the centre line,
// a left line when the left offset cell is not empty, a right line when the
// right one is not. Throws UserError when a field does not fit its column.
QStringList stakeReportLines(const StakeGrid& grid, const QString& Khao, int first);

// Records one station: the `stored` grid's rows into the next free group of
// `jieguo`, the `shown` grid's report lines after the last line, then fits
// the list. Throws UserError, recording nothing, when the results table or
// the report is full or a field does not fit its column.
void recordStation(Workspace& w, const StakeGrid& stored, const StakeGrid& shown, const QString& Khao);

// The station notation of the number in a station cell; UserError when the
// cell holds no number.
QString stationCellNotation(const QString& stationCell);

} // namespace quarvane
