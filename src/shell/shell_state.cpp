#include "shell/shell_state.h"

#include "route/app_paths.h"
#include "text/user_error.h"

namespace quarvane {

ShellState::ShellState(QString filePosition)
    : FilePosition(std::move(filePosition)), catalogue_(FilePosition)
{
}

QString ShellState::duplicateMessage() { return QStringLiteral("线路重复!"); }

QStringList ShellState::tableListLines()
{
    QStringList lines;
    for (TableKind kind : kAllKinds)
        lines.append(tableInfo(kind).title);
    return lines;
}

void ShellState::emptyList()
{
    List1.clear();
    selected = -1;
    List1Top = 0;
    VScroll1Value = 0;
}

void ShellState::fillRoutes()
{
    emptyList();
    content = ListContent::Routes;
    catalogue_.read();   // a missing catalogue is an empty one
    List1 = catalogue_.entries();
}

void ShellState::startUp()
{
    P1 = picturePath(FilePosition, QStringLiteral("ooo.bmp"));
    P2 = picturePath(FilePosition, QStringLiteral("ooo1.bmp"));
    panels = Panels{};
    HScroll1Max = 0;
    try {
        fillRoutes();
    } catch (const UserError&) {
        fit(kListStartHeight, false);
        throw;
    }
    fit(kListStartHeight, false);
}

void ShellState::choose()
{
    Panels& p = panels;
    p.add = p.Label4 = p.Frame6 = p.out2 = p.inputpiliang1 = p.out1 = false;
    p.Frame2 = true;
    p.Frame3 = p.zhuang = p.Frame5 = false;
    p.HV = p.lis = true;
    screen.reset();
    HScroll1Value = 0;
    HScroll1Max = 0;
    List1Left = 0;
    try {
        fillRoutes();
    } catch (const UserError&) {
        fit(kListShortHeight, false);
        throw;
    }
    fit(kListShortHeight, false);
}

void ShellState::openScreen(ComputingScreen which)
{
    const bool structure = which == ComputingScreen::jgw;
    P1 = picturePath(FilePosition, structure ? QStringLiteral("jie.BMP") : QStringLiteral("ooo.BMP"));
    P2 = picturePath(FilePosition, structure ? QStringLiteral("jie1.BMP") : QStringLiteral("ooo1.BMP"));
    Panels& p = panels;
    // A computing screen also closes the new-route entry, and the
    // measured-point screens hide the forward grids under them.
    p = Panels{};
    p.Frame2 = false;
    p.HV = p.lis = p.Label4 = true;
    switch (which) {
    case ComputingScreen::point:
        p.Frame6 = p.out1 = true;
        HScroll1Max = 300;
        break;
    case ComputingScreen::batch:
        p.Frame6 = p.inputpiliang1 = p.out2 = true;
        HScroll1Max = 300;
        break;
    case ComputingScreen::xyin:
    case ComputingScreen::xyread:
        p.zhuang = true;
        HScroll1Max = 7500;
        break;
    case ComputingScreen::jgw:
        p.Frame5 = true;
        HScroll1Max = 500;
        break;
    }
    screen = which;
    emptyList();
    content = ListContent::Report;
    HScroll1Value = 0;
    List1Left = 0;
    VScroll1Max = 0;
    List1Height = kListShortHeight;
    jieguo.clear(structure ? 7 : 9);
    switch (which) {
    case ComputingScreen::point:
    case ComputingScreen::batch:
        focusOn(Grid::Text13, 1);
        break;
    case ComputingScreen::xyin:
    case ComputingScreen::xyread:
        focusOn(Grid::Text10, 4);
        break;
    case ComputingScreen::jgw:
        focusOn(Grid::Text11, 6);
        break;
    }
}

Workspace ShellState::workspace()
{
    return Workspace{tables, jieguo, ListPanelRef{List1, selected, VScroll1Max, List1Height}, Text13};
}

void ShellState::focusOn(Grid grid, int index)
{
    focus = Focus::Cell;
    focusCell = cell(grid, index);
}

void ShellState::comp1()
{
    Workspace w = workspace();
    single.comp1(w);
}

void ShellState::ok11()
{
    Workspace w = workspace();
    single.ok11(w);
    focusOn(Grid::Text1, 6);
}

void ShellState::closeForwardScreen()
{
    panels.out1 = panels.inputpiliang1 = panels.out2 = panels.Frame6 = false;
    emptyList();
    P1 = picturePath(FilePosition, QStringLiteral("ooo.BMP"));
    P2 = picturePath(FilePosition, QStringLiteral("ooo1.BMP"));
    screen.reset();
}

void ShellState::cancel11() { closeForwardScreen(); }

void ShellState::save11(const SaveChoice& choice)
{
    saveForwardResults(FilePosition, jieguo, choice);
    if (!choice.fileName.isEmpty() && saveOutputOfFilter(choice.filterIndex) == SaveOutput::Workbook)
        single.clearCells();
}

void ShellState::comp2()
{
    Workspace w = workspace();
    batch.comp2(w);
    focusOn(Grid::Text5, 6);
}

void ShellState::insert1()
{
    Workspace w = workspace();
    batch.insert1(w);
    focusOn(Grid::Text5, 6);
}

void ShellState::cancel12() { closeForwardScreen(); }

void ShellState::savel2(const SaveChoice& choice)
{
    saveForwardResults(FilePosition, jieguo, choice);
}

void ShellState::zhuangcomp()
{
    Workspace w = workspace();
    measured.zhuangcomp(w, inverse);
}

void ShellState::zhuangok()
{
    Workspace w = workspace();
    measured.zhuangok(w);
    focusOn(Grid::Text10, 4);
}

void ShellState::zhuangcancel()
{
    panels.zhuang = false;
    emptyList();
    P1 = picturePath(FilePosition, QStringLiteral("ooo.BMP"));
    P2 = picturePath(FilePosition, QStringLiteral("ooo1.BMP"));
    screen.reset();
}

void ShellState::zhuangsavel(const SaveChoice& choice)
{
    saveMeasuredResults(FilePosition, jieguo, choice);
}

void ShellState::requireHorizontalTable() const
{
    if (!tableLoaded(tables.yaosup))
        throw UserError(QStringLiteral("没有载入平曲线参数：请先在“选择线路”中选中线路并按“确定”。"));
}

QString ShellState::readCoordinateFile(const QString& path)
{
    const QStringList lines = readPointFile(path);
    Workspace w = workspace();
    const QString summary = runCoordinateLines(lines, measured, w, inverse).summary();
    // The next point typed by hand starts in the X cell, its text selected.
    focusOn(Grid::Text10, 4);
    return summary;
}

void ShellState::jiegoucomp()
{
    Workspace w = workspace();
    structure.jiegoucomp(w);
}

void ShellState::jiegouok()
{
    Workspace w = workspace();
    structure.jiegouok(w);
    focusOn(Grid::Text11, 6);
}

void ShellState::jiegoucancel()
{
    panels.Frame5 = false;
    emptyList();
    P1 = picturePath(FilePosition, QStringLiteral("ooo.BMP"));
    P2 = picturePath(FilePosition, QStringLiteral("ooo1.BMP"));
    screen.reset();
}

void ShellState::jiegousavel(const SaveChoice& choice)
{
    saveStructureResults(FilePosition, jieguo, choice);
}

void ShellState::xlok()
{
    const QString name = selected >= 0 && selected < List1.size() ? List1[selected] : QString();
    if (name.isEmpty()) {
        names.XLming.clear();
        return;
    }
    // The route is loaded first: a route that cannot be loaded changes
    // nothing, and the tables loaded before stay.
    RouteTables loaded = loadRouteTables(FilePosition, name);
    names = RouteNames::of(name);
    Panels& p = panels;
    p.Frame2 = p.Label4 = p.inputpiliang1 = p.out1 = p.out2 = p.zhuang = p.Frame5 = p.Frame6 = false;
    p.HV = p.lis = false;
    screen.reset();
    emptyList();
    tables = std::move(loaded);
}

void ShellState::xladd()
{
    panels.Frame2 = false;
    panels.add = true;
    panels.Label4 = panels.HV = panels.lis = false;
    Text2.clear();
    focus = Focus::Text2;
}

bool ShellState::xldelNeedsConfirmation() const
{
    return content == ListContent::Routes && selected >= 0 && selected < List1.size() && !List1[selected].isEmpty();
}

void ShellState::xldel()
{
    if (!xldelNeedsConfirmation())
        return;
    // The list follows the catalogue even when the deletion reports a file
    // it could not remove: the entry is gone from both by then.
    try {
        catalogue_.remove(selected);
    } catch (const UserError&) {
        List1 = catalogue_.entries();
        selected = -1;
        throw;
    }
    List1 = catalogue_.entries();
    selected = -1;
}

void ShellState::xledi()
{
    names.XLming.clear();
    if (content == ListContent::Routes && selected >= 0 && selected < List1.size() && !List1[selected].isEmpty()) {
        panels.Frame2 = false;
        panels.Frame3 = true;
        panels.add = panels.Label4 = false;
        names = RouteNames::of(List1[selected]);
        emptyList();
        List1 = tableListLines();
        content = ListContent::Tables;
    }
    HScroll1Value = 0;
    HScroll1Max = 0;
    List1Left = 0;
}

void ShellState::addok()
{
    if (Text2 == duplicateMessage())
        return;
    switch (catalogue_.add(Text2)) {
    case RouteCatalogue::AddResult::Duplicate:
        Text2 = duplicateMessage();
        focus = Focus::Text2;
        return;
    case RouteCatalogue::AddResult::Empty:
        return;
    case RouteCatalogue::AddResult::Added:
        break;
    }
    panels.add = false;
    panels.Frame2 = panels.HV = panels.lis = true;
    List1 = catalogue_.entries();
    selected = -1;
    content = ListContent::Routes;
}

void ShellState::addcan()
{
    Text2.clear();
    panels.add = false;
    panels.Frame2 = panels.HV = panels.lis = true;
}

std::optional<TableKind> ShellState::ediok() const
{
    if (content != ListContent::Tables || selected < 0 || selected > 3)
        return std::nullopt;
    return kAllKinds[selected];
}

void ShellState::ediret()
{
    panels.Frame2 = true;
    panels.Frame3 = panels.add = false;
    fillRoutes();
}

void ShellState::fit(int shortHeight, bool cap)
{
    const ListFit f = fitList(int(List1.size()), shortHeight, cap);
    VScroll1Max = f.VScroll1Max;
    List1Height = f.List1Height;
    if (VScroll1Value > VScroll1Max)
        setVScroll1(VScroll1Max);
}

void ShellState::setVScroll1(int value)
{
    VScroll1Value = value;
    List1Top = -48 * value;
    focus = Focus::List1;
}

void ShellState::setHScroll1(int value)
{
    HScroll1Value = value;
    List1Left = -value;
    focus = Focus::List1;
}

void ShellState::VScroll1GotFocus()
{
    fit(kListStartHeight, true);
    if (panels.lis)
        focus = Focus::List1;
}

} // namespace quarvane
