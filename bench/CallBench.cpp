// Function calls into project files: a chart that calls itself 40 levels deep with one local
// variable, called again and again. Each call loads the called file and each return reloads
// the caller, both from the parsed copies of the unchanged files.

#include "BenchCharts.h"
#include "ChartRun.h"

#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

// Called with 39, the function nests 40 levels: the bottom frame and 40 frames of five entries
// and one local fill 245 of the stack's 249 places.
constexpr int Depth = 39;
constexpr int Rounds = 100;
constexpr int CallsPerRun = (Depth + 1) * Rounds;

void recursiveCalls(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("ana.vnp"));
    const QString function = QStringLiteral("derin");
    ChartRun chart;
    if (!BenchCharts::writeRecursiveFunction(dir.path(), function)
        || !BenchCharts::writeRecursiveCaller(main, function, Depth, Rounds)) {
        state.SkipWithError("the call charts could not be written");
        return;
    }
    // Parsed copies are kept only of files that have settled on disk.
    QThread::msleep(60);
    if (!chart.load(main)) {
        state.SkipWithError("the main chart could not be loaded");
        return;
    }
    if (!chart.runEach(state))
        return;
    state.SetItemsProcessed(state.iterations() * CallsPerRun);
    state.SetLabel("items/s = calls+returns/s");
    state.counters["per_call"] =
        benchmark::Counter(CallsPerRun, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A chart of range(0) blocks that does nothing, called range(1) times from a loop: the cost of
// one call and its return (with the caller's four blocks and the callee's two).
void callAndReturn(benchmark::State &state)
{
    const int Calls = int(state.range(1));
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("ana.vnp"));
    const QString function = QStringLiteral("bos");
    ChartRun chart;
    if (!BenchCharts::writePaddedFunction(dir.path(), function, int(state.range(0)))
        || !BenchCharts::writeRecursiveCaller(main, function, 0, Calls)) {
        state.SkipWithError("the call charts could not be written");
        return;
    }
    QThread::msleep(60);
    if (!chart.load(main)) {
        state.SkipWithError("the main chart could not be loaded");
        return;
    }
    if (!chart.runEach(state))
        return;
    state.SetItemsProcessed(state.iterations() * Calls);
    state.SetLabel("items/s = calls+returns/s");
    state.counters["per_call"] =
        benchmark::Counter(Calls, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(recursiveCalls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(callAndReturn)->Args({10, 10000})->Args({1000, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();
