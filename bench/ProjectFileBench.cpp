// Reading and writing a 5,000-block chart: a first read (parsed from disk), a read of a file
// already parsed (what a return from a call does), each with and without tracked blocks, and
// a save.

#include "BenchCharts.h"

#include "project/Project.h"
#include "base/MessageLog.h"

#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Blocks = 5000;

// One chart for the whole program, written once.
const QString &chartPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("buyuk.vnp"));
        if (!BenchCharts::writeChain(p, Blocks))
            return QString();
        QThread::msleep(60); // parsed copies are kept only of settled files
        return p;
    }();
    return path;
}

void firstLoad(benchmark::State &state)
{
    const bool track = state.range(0) != 0;
    MessageLog log;
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<Project>(&log);
        project->setTrackCurrentBlock(track);
        state.ResumeTiming();
        if (!project->load_FILE(chartPath())) {
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
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(state.range(0) != 0);
    for (auto _ : state) {
        if (!project.load_FILE(chartPath())) {
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

} // namespace

BENCHMARK(firstLoad)->ArgName("tracked")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(reload)->ArgName("tracked")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(save)->Unit(benchmark::kMillisecond)->UseRealTime();
