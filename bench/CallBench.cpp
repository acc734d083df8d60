// Function calls into project files: a chart that calls itself 40 levels deep with one local
// variable, called again and again; a chart that calls an empty one; two charts that call each
// other. Each call shows the called chart and each return the caller, both kept whole from their
// first load while their files are unchanged.

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

// Times runs of the main chart once the charts are written, counting calls per run.
void timeCalls(benchmark::State &state, const QString &main, bool written, int calls)
{
    if (!written) {
        state.SkipWithError("the call charts could not be written");
        return;
    }
    // Parsed copies are kept only of files that have settled on disk.
    QThread::msleep(60);
    ChartRun chart;
    if (!chart.load(main)) {
        state.SkipWithError("the main chart could not be loaded");
        return;
    }
    if (!chart.runEach(state))
        return;
    state.SetItemsProcessed(state.iterations() * calls);
    state.SetLabel("items/s = calls+returns/s");
    state.counters["per_call"] =
        benchmark::Counter(calls, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void recursiveCalls(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("ana.vnp"));
    const QString function = QStringLiteral("derin");
    const bool written = BenchCharts::writeRecursiveFunction(dir.path(), function)
                         && BenchCharts::writeRecursiveCaller(main, function, Depth, Rounds);
    timeCalls(state, main, written, CallsPerRun);
}

// A chart of range(0) blocks that does nothing, called range(1) times from a loop: the cost of
// one call and its return (with the caller's four blocks and the callee's two).
void callAndReturn(benchmark::State &state)
{
    const int calls = int(state.range(1));
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("ana.vnp"));
    const QString function = QStringLiteral("bos");
    const bool written = BenchCharts::writePaddedFunction(dir.path(), function, int(state.range(0)))
                         && BenchCharts::writeRecursiveCaller(main, function, 0, calls);
    timeCalls(state, main, written, calls);
}

// Two charts of range(0) blocks each that call each other with one parameter, 30 levels deep
// from the main chart's call, range(1) rounds: the cost of a call and its return when every call
// switches to the other chart.
constexpr int PingPongDepth = 30;

void pingPong(benchmark::State &state)
{
    const int blocks = int(state.range(0));
    const int rounds = int(state.range(1));
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("ana.vnp"));
    const QString ping = QStringLiteral("ping");
    const QString pong = QStringLiteral("pong");
    const bool written = BenchCharts::writeBouncingFunction(dir.path(), ping, pong, blocks)
                         && BenchCharts::writeBouncingFunction(dir.path(), pong, ping, blocks)
                         && BenchCharts::writeRecursiveCaller(main, ping, PingPongDepth, rounds);
    timeCalls(state, main, written, (PingPongDepth + 1) * rounds);
}

} // namespace

BENCHMARK(pingPong)->Args({10, 1000})->Args({1000, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(recursiveCalls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(callAndReturn)->Args({10, 10000})->Args({1000, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();
