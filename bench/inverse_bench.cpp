// A file of 60000 measured points on the demo route through the file run
// (split, compare, record into jieguo and the report) and its text export:
// what 坐标读取 and 保 存 do for the largest file.
#include "geometry/zcx.h"
#include "inverse/coordinate_file.h"
#include "route/route_tables.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvane;

QStringList pointLines(RouteTables& tables)
{
    QStringList lines;
    lines.reserve(60000);
    for (int k = 0; k < 60000; ++k) {
        const double station = 50 + k * 0.11;
        const double offset = (k % 9 - 4) * 7.5;
        const ZcxResult z = ZCX(station, offset < 0 ? -offset : 0, offset > 0 ? offset : 0, tables.yaosup);
        const double x = offset < 0 ? z.Xz : z.Xy, y = offset < 0 ? z.Yz : z.Yy;
        lines.append(QStringLiteral("CD%1,%2,%3,%4").arg(k).arg(x, 0, 'f', 3).arg(y, 0, 'f', 3).arg(240.0 + k % 7, 0, 'f', 3));
    }
    return lines;
}

void fileOf60000Points(benchmark::State& state)
{
    RouteTables tables = loadRouteTables(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"));
    const QStringList lines = pointLines(tables);
    for (auto _ : state) {
        StandaloneWorkspace s;
        s.tables = tables;
        Workspace w = s.workspace();
        ResultsTable& jieguo = s.jieguo;
        MeasuredPoint screen;
        InverseState inverse;
        const CoordinateRun run = runCoordinateLines(lines, screen, w, inverse);
        const QStringList text = measuredTextExport(jieguo);
        benchmark::DoNotOptimize(text.size());
        if (run.read != 60000)
            state.SkipWithError("not every point was read");
    }
}
BENCHMARK(fileOf60000Points)->Unit(benchmark::kMillisecond);

} // namespace
