// Loading a 5,000-block chart with tracked blocks, without and with an observer connected to
// every announcement of the model (as the drawing surface is). A load is one replacement, so
// the observer should cost next to nothing.

#include "BenchCharts.h"

#include "base/MessageLog.h"
#include "project/Project.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Blocks = BenchCharts::SharedChainBlocks;

const QString &chartPath()
{
    return BenchCharts::sharedChain();
}

// Counts every announcement, the way a view would take note of it.
void observe(Project &project, long &seen)
{
    auto count = [&seen] { ++seen; };
    ModelContext &ctx = project.context();
    QObject::connect(&ctx, &ModelContext::selectionChanged, count);
    QObject::connect(&ctx, &ModelContext::projectModifiedChanged, count);
    QObject::connect(&ctx, &ModelContext::aboutToReplace, count);
    QObject::connect(&ctx, &ModelContext::replaced, count);
    Block_Collection &blocks = project.theBlockCollection();
    QObject::connect(&blocks, &Block_Collection::blockAdded, count);
    QObject::connect(&blocks, &Block_Collection::blockRemoved, count);
    QObject::connect(&blocks, &Block_Collection::blockChanged, count);
    QObject::connect(&blocks, &Block_Collection::aboutToClear, count);
    QObject::connect(&blocks, &Block_Collection::cleared, count);
    Line_Collection &lines = project.theLineCollection();
    QObject::connect(&lines, &Line_Collection::lineAdded, count);
    QObject::connect(&lines, &Line_Collection::lineRemoved, count);
    QObject::connect(&lines, &Line_Collection::lineChanged, count);
    QObject::connect(&lines, &Line_Collection::cleared, count);
}

void load(benchmark::State &state)
{
    MessageLog log;
    Project project(&log);
    long seen = 0;
    if (state.range(0) != 0)
        observe(project, seen);
    project.load_FILE(chartPath()); // the file is parsed once, as before any call's return
    seen = 0;
    for (auto _ : state) {
        if (!project.load_FILE(chartPath())) {
            state.SkipWithError("the chart could not be loaded");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Blocks);
    state.counters["signals_per_load"] = double(seen) / double(state.iterations());
    state.SetLabel("items/s = blocks/s");
}

} // namespace

BENCHMARK(load)->ArgName("observed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0)
    ->Repetitions(5)->ReportAggregatesOnly(true);
