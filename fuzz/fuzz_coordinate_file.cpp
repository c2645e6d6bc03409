// The file of measured points: its bytes read, split into points and every
// point run against the demo route, as 坐标读取 runs a chosen file.
#include "fuzz_support.h"

#include "inverse/coordinate_file.h"
#include "route/route_tables.h"
#include "text/user_error.h"

using namespace quarvane;

namespace {

RouteTables& demoRoute()
{
    static RouteTables tables = loadRouteTablesAt(fuzz::dataDir() + QStringLiteral("/线路参数/演示线路"));
    return tables;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    demoRoute();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("测点.txt");
    QStringList lines;
    try {
        lines = decodePointLines(fuzz::bytesOf(data, size), name);
    } catch (const UserError& e) {
        if (!e.message().contains(name))
            fuzz::broken(QStringLiteral("a refused file is not named: ") + e.message());
        return 0;
    }
    for (const QString& line : lines) {
        const PointLine p = splitPointLine(line);
        if (p.problem.isEmpty() && (p.X.isNull() || p.Y.isNull() || p.H.isNull()))
            fuzz::broken(QStringLiteral("a usable line without X, Y and elevation: ") + line);
    }

    // ZCX writes "0" into the empty cells of the rows it uses, which reads
    // as the empty cell did, so one copy of the tables serves every input.
    static ResultsTable jieguo;
    jieguo.clear(kResultColumns);
    RouteTables& tables = demoRoute();
    QStringList List1;
    int selected = -1, VScroll1Max = 0, List1Height = 0;
    const MedianGrid Text13 = initialMedianGrid();
    Workspace w{tables, jieguo, ListPanelRef{List1, selected, VScroll1Max, List1Height}, Text13};
    MeasuredPoint screen;
    InverseState state;
    const CoordinateRun run = runCoordinateLines(lines, screen, w, state);
    if (run.read + int(run.skipped.size()) + run.notRecorded > run.lines)
        fuzz::broken(QStringLiteral("more points counted than lines"));
    if (firstFreeRow(jieguo) != run.read + 1)
        fuzz::broken(QStringLiteral("%1 points read, %2 rows recorded").arg(run.read).arg(firstFreeRow(jieguo) - 1));
    run.summary();
    return 0;
}
