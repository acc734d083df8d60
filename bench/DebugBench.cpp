// What the debugger costs a fast run: the counting loop with nothing set, with execution
// counts on, and with 100 breakpoints set on blocks the loop never reaches. The figures of the
// first must match bench_loop's; the other two may lose at most a tenth.

#include "BenchCharts.h"
#include "ChartRun.h"

#include "interp/Breakpoints.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Iterations = 200000;
constexpr int BlocksPerRun = 3 * Iterations + 4;

enum class Setting { Nothing, Counts, Breakpoints };

void countingLoop(benchmark::State &state, Setting setting)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sayac.vnp"));
    ChartRun chart;
    if (!BenchCharts::writeCountingLoop(path, Iterations) || !chart.load(path)) {
        state.SkipWithError("the counting chart could not be written or loaded");
        return;
    }
    Breakpoints breakpoints;
    chart.runtime.run.debugger().setBreakpoints(&breakpoints);
    if (setting == Setting::Counts)
        chart.runtime.run.debugger().setCountsOn(true);
    if (setting == Setting::Breakpoints) {
        for (int i = 0; i < 100; ++i)
            breakpoints.set(Breakpoints::chartKey(path), QStringLiteral("id%1").arg(1000 + i));
    }
    if (!chart.runEach(state))
        return;
    state.SetItemsProcessed(state.iterations() * BlocksPerRun);
    state.SetLabel("items/s = blocks/s");
}

} // namespace

BENCHMARK_CAPTURE(countingLoop, nothing_set, Setting::Nothing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(countingLoop, counts_on, Setting::Counts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(countingLoop, breakpoints_100, Setting::Breakpoints)->Unit(benchmark::kMillisecond)->UseRealTime();
