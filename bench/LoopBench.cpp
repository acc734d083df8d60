// How fast the interpreter walks blocks: a counting loop at delay 0, three blocks an iteration
// (the intersection, the addition and the condition).

#include "BenchCharts.h"
#include "ChartRun.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Iterations = 200000;
// START, the definition, three blocks per iteration, the final OUTPUT and STOP.
constexpr int BlocksPerRun = 3 * Iterations + 4;

void countingLoop(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sayac.vnp"));
    ChartRun chart;
    if (!BenchCharts::writeCountingLoop(path, Iterations) || !chart.load(path)) {
        state.SkipWithError("the counting chart could not be written or loaded");
        return;
    }
    if (!chart.runEach(state))
        return;
    state.SetItemsProcessed(state.iterations() * BlocksPerRun);
    state.SetLabel("items/s = blocks/s");
    state.counters["per_iteration"] =
        benchmark::Counter(Iterations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(countingLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
