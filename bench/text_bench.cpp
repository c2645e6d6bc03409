// Number-to-text conversions run for every cell of every report line.
#include "text/number_text.h"
#include "text/station.h"

#include <benchmark/benchmark.h>

namespace {

void displayNumber(benchmark::State& state)
{
    double v = 3456789.1234567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarvane::displayNumber(v));
        v += 0.0013;
    }
}
BENCHMARK(displayNumber);

void stationNotation(benchmark::State& state)
{
    double v = 1234.5675;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarvane::stationNotation(v));
        v += 20;
    }
}
BENCHMARK(stationNotation);

void lenientNumber(benchmark::State& state)
{
    const QString text = QStringLiteral("3456789.123   ");
    for (auto _ : state)
        benchmark::DoNotOptimize(quarvane::lenientNumber(text));
}
BENCHMARK(lenientNumber);

} // namespace
