// Console output: rows printed straight into the console buffer, and OUTPUT blocks in a loop
// (four blocks and one row an iteration).

#include "BenchCharts.h"
#include "ChartRun.h"

#include "interp/ConsoleScreen.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 100000;

void printLine(benchmark::State &state)
{
    ConsoleScreen console;
    const QString text = QStringLiteral("satır 12345");
    for (auto _ : state)
        console.printLine(text);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items/s = lines/s");
}

void outputLoop(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cikis.vnp"));
    ChartRun chart;
    if (!BenchCharts::writeOutputLoop(path, Rows) || !chart.load(path)) {
        state.SkipWithError("the output chart could not be written or loaded");
        return;
    }
    if (!chart.runEach(state))
        return;
    // One row per iteration and the final OUTPUT.
    state.SetItemsProcessed(state.iterations() * (Rows + 1));
    state.SetLabel("items/s = lines/s");
}

} // namespace

BENCHMARK(printLine)->UseRealTime();
BENCHMARK(outputLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
