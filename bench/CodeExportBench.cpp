// How fast a chart of 1,000 blocks becomes code: loading it, finding its loops and branches and
// writing the program with its runtime, for each language.

#include "BenchCharts.h"
#include "codegen/CodeExport.h"
#include "interp/Numbers.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using Kind = ChartBuilder::Kind;

// Ten blocks: a counting loop with an if/else in it, one console line on each branch.
QString addLoop(ChartBuilder &chart, const QString &before, int index)
{
    const QString counter = QStringLiteral("i") + QString::number(index);
    const QString init = chart.block(Kind::Action, QStringLiteral("DEFINITION"), counter, QStringLiteral("0"));
    const QString test = chart.block(Kind::Condition, QStringLiteral("IF_LESS"), counter, QStringLiteral("3"));
    const QString odd = chart.block(Kind::Action, QStringLiteral("MODULE"), counter, QStringLiteral("2"), QStringLiteral("k"));
    const QString branch = chart.block(Kind::Condition, QStringLiteral("IF_EQUAL"), QStringLiteral("k"), QStringLiteral("0"));
    const QString even = chart.block(Kind::Output, QStringLiteral("OUTPUT"), QStringLiteral("çift"), counter);
    const QString other = chart.block(Kind::Output, QStringLiteral("OUTPUT"), QStringLiteral("tek"), counter);
    const QString join = chart.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString step = chart.block(Kind::Action, QStringLiteral("ADD"), counter, QStringLiteral("1"), counter);
    const QString text = chart.block(Kind::Action, QStringLiteral("JOIN"), QStringLiteral("s"), counter, QStringLiteral("s"));
    const QString after = chart.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    chart.line(before, init);
    chart.line(init, test);
    chart.line(test, odd, QStringLiteral("EVET"));
    chart.line(test, after, QStringLiteral("HAYIR"));
    chart.line(odd, branch);
    chart.line(branch, even, QStringLiteral("EVET"));
    chart.line(branch, other, QStringLiteral("HAYIR"));
    chart.line(even, join);
    chart.line(other, join);
    chart.line(join, step);
    chart.line(step, text);
    chart.line(text, test);
    return after;
}

bool writeLoops(const QString &path, int loops)
{
    ChartBuilder chart;
    QString last = chart.block(Kind::Start, QStringLiteral("START"));
    for (int i = 0; i < loops; ++i)
        last = addLoop(chart, last, i);
    chart.line(last, chart.block(Kind::End, QStringLiteral("STOP")));
    return chart.save(path);
}

void exportChart(benchmark::State &state, CodeExport::Language language)
{
    Numbers::useLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("buyuk.vnp"));
    // 100 loops of ten blocks, START and END.
    if (!writeLoops(path, 100)) {
        state.SkipWithError("the chart could not be written");
        return;
    }
    CodeExport exporter;
    for (auto _ : state) {
        if (!exporter.exportChart(path, language, QStringLiteral("Buyuk"))) {
            state.SkipWithError("the chart could not be exported");
            return;
        }
        benchmark::DoNotOptimize(exporter.code());
    }
    state.counters["blocks"] = 1002;
    state.counters["structured"] = exporter.structured() ? 1 : 0;
    state.counters["code_bytes"] = double(exporter.code().size());
}

void python(benchmark::State &state)
{
    exportChart(state, CodeExport::Python);
}

void c(benchmark::State &state)
{
    exportChart(state, CodeExport::C);
}

void java(benchmark::State &state)
{
    exportChart(state, CodeExport::Java);
}

} // namespace

BENCHMARK(python)->Unit(benchmark::kMillisecond);
BENCHMARK(c)->Unit(benchmark::kMillisecond);
BENCHMARK(java)->Unit(benchmark::kMillisecond);
