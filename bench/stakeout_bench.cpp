// A batch of 20000 stations on the demo route through the batch screen's
// rules, then its text export: what 计 算 and 保 存 do for the largest run.
#include "route/route_tables.h"
#include "stakeout/batch.h"
#include "stakeout/result_saving.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvane;

void batchOf20000Stations(benchmark::State& state)
{
    StandaloneWorkspace s;
    s.tables = loadRouteTables(QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("演示线路"));
    ResultsTable& jieguo = s.jieguo;
    QStringList& List1 = s.List1;
    for (auto _ : state) {
        List1.clear();
        Workspace w = s.workspace();
        Batch batch;
        batch.Text4[5] = QStringLiteral("0");
        batch.Text4[6] = QStringLiteral("6800");
        batch.Text4[7] = QStringLiteral("0.34");
        batch.Text4[8] = QStringLiteral("12.5");
        batch.Text4[9] = QStringLiteral("12.5");
        batch.comp2(w);
        const TextExport text = forwardTextExport(jieguo);
        benchmark::DoNotOptimize(text.lines.size());
        if (List1.size() != 60001)
            state.SkipWithError("the run did not record 20000 stations");
    }
}
BENCHMARK(batchOf20000Stations)->Unit(benchmark::kMillisecond);

} // namespace
