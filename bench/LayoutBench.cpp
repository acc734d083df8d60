// Auto-layout figures: a 1,000-block chart of loops and two-way conditions laid out by dot
// (the places alone, and the whole edit with its line routing, taken back after each round).

#include "model/Block_Collection.h"
#include "model/ChartLayout.h"
#include "model/EditOperations.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Units = 111; // nine blocks each, with START and STOP 1,001 in all

// One unit: a loop (junction, test, two actions back to the junction), then a two-way
// condition whose branches meet again, then one action; the units follow each other, with the
// blocks scattered so that the layout moves every one of them.
struct Chart {
    Chart()
    {
        QString previous = add(2, 70, 30, QStringLiteral("START"));
        for (int u = 0; u < Units; ++u)
            previous = unit(previous);
        line(previous, add(2, 70, 30, QStringLiteral("STOP")));
    }

    QString unit(const QString &from)
    {
        const QString head = add(3, 10, 10, QStringLiteral("INTERSECTION"));
        const QString test = add(92, 112, 50, QStringLiteral("IF_LESS"));
        const QString body1 = add(0, 70, 30, QStringLiteral("ASSIGN"));
        const QString body2 = add(0, 90, 30, QStringLiteral("ASSIGN"));
        const QString choice = add(92, 112, 50, QStringLiteral("IF_EQUAL"));
        const QString yes = add(91, 90, 40, QStringLiteral("OUTPUT"));
        const QString no = add(0, 70, 30, QStringLiteral("ASSIGN"));
        const QString merge = add(3, 10, 10, QStringLiteral("INTERSECTION"));
        const QString after = add(91, 90, 40, QStringLiteral("INPUT"));
        line(from, head);
        line(head, test);
        line(test, body1, QStringLiteral("EVET"));
        line(test, choice, QStringLiteral("HAYIR"));
        line(body1, body2);
        line(body2, head);
        line(choice, yes, QStringLiteral("EVET"));
        line(choice, no, QStringLiteral("HAYIR"));
        line(yes, merge);
        line(no, merge);
        line(merge, after);
        return after;
    }

    QString add(qint16 shape, int width, int height, const QString &code)
    {
        const int n = blocks.Count() + 1;
        const QString tag = QStringLiteral("id") + QString::number(n);
        cBlock *b = blocks.AddShape(shape, tag, float((n * 37) % 900), float((n * 53) % 700));
        b->setShapeSize(width, height);
        b->setZAction(code);
        return tag;
    }

    void line(const QString &from, const QString &to, const QString &caption = QString())
    {
        lines.AddLine(from, to, caption);
    }

    ModelContext context;
    Line_Collection lines{&context};
    Block_Collection blocks{&context, &lines};
};

void layoutPlaces(benchmark::State &state)
{
    Chart chart;
    const ChartLayout layout(chart.context, chart.blocks, chart.lines, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(layout.places());
    state.counters["blocks"] = chart.blocks.Count();
    state.counters["lines"] = chart.lines.Count();
}

void layoutWholeEdit(benchmark::State &state)
{
    Chart chart;
    ChartLayout layout(chart.context, chart.blocks, chart.lines, nullptr);
    EditOperations operations(chart.context, chart.blocks, chart.lines, nullptr);
    for (auto _ : state) {
        const EditRecord record = layout.arrange();
        state.PauseTiming();
        operations.undo(record);
        state.ResumeTiming();
    }
    state.counters["blocks"] = chart.blocks.Count();
}

} // namespace

BENCHMARK(layoutPlaces)->Unit(benchmark::kMillisecond);
BENCHMARK(layoutWholeEdit)->Unit(benchmark::kMillisecond);
