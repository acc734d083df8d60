// Reading and writing a 5,000-block chart: a first read (parsed from disk), a read of a file
// already parsed (what a return from a call does), each with and without tracked blocks, and
// a save. Then one block whose parameter is nothing but line breaks, read and saved at growing
// sizes: the "[\n]" escapes must cost time in step with their number.

#include "BenchCharts.h"

#include "project/Project.h"
#include "base/MessageLog.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Blocks = BenchCharts::SharedChainBlocks;

const QString &chartPath()
{
    return BenchCharts::sharedChain();
}

void firstLoad(benchmark::State &state)
{
    const bool track = state.range(0) != 0;
    // The first benchmark to ask writes the chart: outside the timing.
    const QString &path = chartPath();
    MessageLog log;
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<Project>(&log);
        project->setTrackCurrentBlock(track);
        state.ResumeTiming();
        if (!project->load_FILE(path)) {
            state.SkipWithError("the chart could not be loaded");
            return;
        }
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Blocks);
    state.SetLabel("items/s = blocks/s");
}

void reload(benchmark::State &state)
{
    const QString &path = chartPath();
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(state.range(0) != 0);
    for (auto _ : state) {
        if (!project.load_FILE(path)) {
            state.SkipWithError("the chart could not be loaded");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Blocks);
    state.SetLabel("items/s = blocks/s");
}

void save(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("kopya.vnp"));
    MessageLog log;
    Project project(&log);
    if (!project.load_FILE(chartPath())) {
        state.SkipWithError("the chart could not be loaded");
        return;
    }
    for (auto _ : state) {
        if (!project.saveProjectFile(target)) {
            state.SkipWithError("the chart could not be saved");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Blocks);
    state.SetLabel("items/s = blocks/s");
}

// A chart whose OUTPUT block prints `breaks` empty lines: its parameter line in the file is
// "[\n]" written `breaks` times, 4 bytes each.
QString escapeChartPath(qint64 breaks)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("satirlar%1.vnp").arg(breaks));
    if (QFileInfo::exists(path))
        return path;
    ChartBuilder chart;
    chart.block(ChartBuilder::Kind::Output, QStringLiteral("OUTPUT"),
                QStringLiteral("\r\n").repeated(breaks));
    return chart.save(path) ? path : QString();
}

void loadEscapes(benchmark::State &state)
{
    const qint64 breaks = state.range(0);
    const QString path = escapeChartPath(breaks);
    MessageLog log;
    for (auto _ : state) {
        Project project(&log); // a fresh project parses the file again
        project.setTrackCurrentBlock(false);
        if (!project.load_FILE(path)) {
            state.SkipWithError("the chart could not be loaded");
            return;
        }
    }
    state.SetComplexityN(breaks);
    state.SetBytesProcessed(state.iterations() * breaks * 4);
}

void saveEscapes(benchmark::State &state)
{
    const qint64 breaks = state.range(0);
    MessageLog log;
    Project project(&log);
    if (!project.load_FILE(escapeChartPath(breaks))) {
        state.SkipWithError("the chart could not be loaded");
        return;
    }
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("kopya.vnp"));
    for (auto _ : state) {
        if (!project.saveProjectFile(target)) {
            state.SkipWithError("the chart could not be saved");
            return;
        }
    }
    state.SetComplexityN(breaks);
    state.SetBytesProcessed(state.iterations() * breaks * 4);
}

} // namespace

BENCHMARK(firstLoad)->ArgName("tracked")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(reload)->ArgName("tracked")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(save)->Unit(benchmark::kMillisecond)->UseRealTime();
// Up to 7 million line breaks: a 28 MB file, just under the reader's size limit.
BENCHMARK(loadEscapes)->Arg(1'000'000)->Arg(2'000'000)->Arg(4'000'000)->Arg(7'000'000)
    ->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveEscapes)->Arg(1'000'000)->Arg(2'000'000)->Arg(4'000'000)->Arg(7'000'000)
    ->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond)->UseRealTime();
