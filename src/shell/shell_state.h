#pragma once

// The main window's state and the rules of its menus and route screens,
// without widgets: which panels show, what the shared list holds, the
// scroll ranges, the route being worked on and its loaded tables. The window
// shows this state and turns clicks into calls of the functions named after
// its buttons and menu items.

#include "inverse/coordinate_file.h"
#include "inverse/measured_point.h"
#include "route/route_catalogue.h"
#include "route/route_tables.h"
#include "stakeout/batch.h"
#include "stakeout/entry_navigation.h"
#include "stakeout/list_fitting.h"
#include "stakeout/result_saving.h"
#include "stakeout/single_point.h"
#include "structure/structure_screen.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quarvane {

// Panels of the work area: shown (true) or hidden.
struct Panels {
    bool Frame5 = false;         // structure screen
    bool zhuang = false;         // measured-point screen
    bool HV = true, lis = true;  // the list panel
    bool Frame6 = false;         // median half-widths
    bool out1 = false;           // single-point grid
    bool inputpiliang1 = false;  // batch input
    bool out2 = false;           // batch grid
    bool Label4 = false;         // "results shown here" hint
    bool Frame2 = true;          // route list buttons
    bool Frame3 = false;         // table list buttons
    bool add = false;            // new-route entry
};

enum class ListContent { Routes, Tables, Report };

// The computing screens a menu item opens.
enum class ComputingScreen { point, batch, xyin, xyread, jgw };

// Where the window puts the keyboard focus after an action (a cell of a
// grid: `focusCell`).
enum class Focus { None, List1, Text2, Cell };

class ShellState {
public:
    explicit ShellState(QString FilePosition);

    const QString FilePosition;
    Panels panels;

    // The shared list `List1` and its panel.
    QStringList List1;
    int selected = -1;             // selected line, -1 none
    ListContent content = ListContent::Routes;
    int VScroll1Max = 0, VScroll1Value = 0;
    int HScroll1Max = 0, HScroll1Value = 0;
    int List1Height = kListShortHeight;   // twips
    int List1Top = 0, List1Left = 0;      // twips, moved by the scroll bars

    QString P1, P2;                // pictures shown in Picture1 and Picture2
    QString Text2;                 // the new-route name box
    RouteNames names;              // XLming and its four file names
    RouteTables tables;            // the loaded route
    std::optional<ComputingScreen> screen;   // the computing screen shown
    Focus focus = Focus::None;
    FocusTarget focusCell;

    // The computing screens' cells and the shared results table.
    MedianGrid Text13 = initialMedianGrid();
    SinglePoint single;
    Batch batch;
    ResultsTable jieguo;

    // Single-point screen buttons; a UserError leaves everything as it was.
    void comp1();
    void ok11();
    void cancel11();
    // 保 存 of the single-point screen: the grid is emptied after a workbook.
    void save11(const SaveChoice& choice);
    // Batch screen buttons.
    void comp2();
    void insert1();
    void cancel12();
    void savel2(const SaveChoice& choice);

    // Measured-point screen (坐标输入, and 坐标读取 on the same screen).
    MeasuredPoint measured;
    InverseState inverse;
    void zhuangcomp();
    void zhuangok();
    void zhuangcancel();
    void zhuangsavel(const SaveChoice& choice);
    // Throws UserError when no horizontal table is loaded.
    void requireHorizontalTable() const;
    // 坐标读取 after its open dialog: every point of the file. Returns what
    // the surveyor is told; UserError when the file cannot be read.
    QString readCoordinateFile(const QString& path);

    // Structure screen.
    StructureScreen structure;
    void jiegoucomp();
    void jiegouok();
    void jiegoucancel();
    void jiegousavel(const SaveChoice& choice);

    // Start-up: the route list filled from the catalogue. Throws UserError
    // when the catalogue exists but cannot be read (the list stays empty).
    void startUp();

    // Menu 选择线路.
    void choose();
    // A computing menu item: its panels and pictures, the list emptied.
    void openScreen(ComputingScreen screen);

    // Route list buttons.
    // 确定: loads the selected route; nothing without a selection. Throws
    // UserError when the route cannot be loaded, leaving everything as it
    // was (the tables loaded before included).
    void xlok();
    void xladd();
    // 删除线路 asks first: true when a route is selected to be deleted.
    bool xldelNeedsConfirmation() const;
    // Deletes the selected route after the user confirmed.
    void xldel();
    void xledi();

    // New-route entry buttons.
    void addok();
    void addcan();
    // The duplicate message shown in the name box.
    static QString duplicateMessage();

    // Table list buttons: the table of the selected line, none without one.
    std::optional<TableKind> ediok() const;
    void ediret();

    // List panel.
    void fit(int shortHeight, bool cap);
    void setVScroll1(int value);
    void setHScroll1(int value);
    void VScroll1GotFocus();

    // The four lines of the table list.
    static QStringList tableListLines();

private:
    Workspace workspace();
    void focusOn(Grid grid, int index);
    void closeForwardScreen();
    void fillRoutes();
    void emptyList();
    RouteCatalogue catalogue_;
};

} // namespace quarvane
