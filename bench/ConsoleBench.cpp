// Console output: rows printed straight into the console buffer, and OUTPUT blocks in a loop
// (four blocks and one row an iteration), also with every row written to a file the way the
// terminal runner writes standard output.

#include "BenchCharts.h"
#include "ChartRun.h"

#include "interp/ConsoleScreen.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

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

void outputToFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cikis.vnp"));
    ChartRun chart;
    std::FILE *file = std::fopen(dir.filePath(QStringLiteral("cikis.txt")).toLocal8Bit().constData(), "w");
    if (!file || !BenchCharts::writeOutputLoop(path, Rows) || !chart.load(path)) {
        state.SkipWithError("the output chart or file could not be written or loaded");
        if (file)
            std::fclose(file);
        return;
    }
    QObject::connect(&chart.runtime.console, &ConsoleScreen::rowFinished, [file](const QString &row) {
        const QByteArray bytes = (row + QLatin1Char('\n')).toUtf8();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file);
    });
    const bool ran = chart.runEach(state);
    std::fclose(file);
    if (!ran)
        return;
    state.SetItemsProcessed(state.iterations() * (Rows + 1));
    state.SetLabel("items/s = lines/s");
    state.counters["per_line"] =
        benchmark::Counter(Rows + 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(printLine)->UseRealTime();
BENCHMARK(outputLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(outputToFile)->Unit(benchmark::kMillisecond)->UseRealTime();
