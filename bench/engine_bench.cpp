// The engine on the demo route: ZCX on a spiral, SQX inside a vertical curve,
// and the inverse for a point 20 m off a curve.
#include "geometry/sqx.h"
#include "geometry/zcx.h"
#include "inverse/station_offset.h"
#include "route/route_tables.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvane;

RouteTables& demo()
{
    static RouteTables tables =
        loadRouteTables(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"));
    return tables;
}

void zcxOnSpirals(benchmark::State& state)
{
    RouteTables& t = demo();
    double P = 600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZCX(P, 10, 10, t.yaosup));
        P = P > 6000 ? 600 : P + 13.7;
    }
}
BENCHMARK(zcxOnSpirals);

void sqx(benchmark::State& state)
{
    RouteTables& t = demo();
    double P = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SQX(P, 12, 12, 1, 1, t.yaosus, t.yaosuc));
        P = P > 6000 ? 100 : P + 13.7;
    }
}
BENCHMARK(sqx);

void inverseOffACurve(benchmark::State& state)
{
    RouteTables& t = demo();
    const ZcxResult z = ZCX(2300, 20, 0, t.yaosup);
    const QString X = QString::number(z.Xz, 'f', 3), Y = QString::number(z.Yz, 'f', 3);
    InverseState s;
    for (auto _ : state)
        benchmark::DoNotOptimize(stationAndOffset(X, Y, QStringLiteral("120.5"), t, s));
}
BENCHMARK(inverseOffACurve);

} // namespace
