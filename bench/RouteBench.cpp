// Routing figures: a whole 1,000-block, 1,000-line chart (every line moved, and nothing moved),
// and one drag step of a block with 50 lines in that chart.

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Blocks = 1000;
constexpr int HubLines = 50;

QString tag(int n)
{
    return QStringLiteral("id") + QString::number(n);
}

// Blocks on a 25-wide grid; a chain through all of them, plus lines from the first block to
// the next 50 (the hub), so that lines and blocks number 1,000 each.
struct Chart {
    Chart()
    {
        for (int n = 1; n <= Blocks; ++n) {
            cBlock *b = blocks.AddShape(0, tag(n), float((n % 25) * 120), float((n / 25) * 80));
            b->setShapeWidth(90);
            b->setShapeHeight(40);
        }
        for (int n = 1; n < Blocks - HubLines; ++n)
            lines.AddLine(tag(n), tag(n + 1), QString());
        for (int n = 2; n <= HubLines + 2; ++n)
            lines.AddLine(tag(1), tag(n + 10), QStringLiteral("EVET"));
    }

    void shiftAll(float by)
    {
        for (const auto &b : blocks)
            b->setShapeLeft(b->shapeLeft() + by);
    }

    ModelContext context;
    Line_Collection lines{&context};
    Block_Collection blocks{&context, &lines};
};

void routeAllMoved(benchmark::State &state)
{
    Chart chart;
    float by = 1.5f;
    for (auto _ : state) {
        chart.shiftAll(by);
        by = -by;
        chart.lines.updateAllLines();
    }
    state.counters["lines"] = chart.lines.Count();
}

void routeAllUnmoved(benchmark::State &state)
{
    Chart chart;
    for (auto _ : state)
        chart.lines.updateAllLines();
}

void dragHubStep(benchmark::State &state)
{
    Chart chart;
    cBlock *hub = chart.blocks.item(tag(1));
    const QString hubTag = hub->TagID();
    float by = 1;
    for (auto _ : state) {
        hub->setShapeTop(hub->shapeTop() + by);
        by = -by;
        chart.lines.updateConntectedLines(hubTag);
    }
}

} // namespace

BENCHMARK(routeAllMoved)->Unit(benchmark::kMicrosecond);
BENCHMARK(routeAllUnmoved)->Unit(benchmark::kMicrosecond);
BENCHMARK(dragHubStep)->Unit(benchmark::kMicrosecond);
