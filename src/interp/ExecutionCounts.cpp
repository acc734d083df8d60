#include "interp/ExecutionCounts.h"

#include "base/Paths.h"
#include "interp/Breakpoints.h"
#include "model/BlockCaption.h"
#include "model/Block_Collection.h"
#include "model/cBlock.h"

namespace {

QString folded(const QString &tag)
{
    return tag.toLower();
}

QString countsCsvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

void ExecutionCounts::clear()
{
    m_byPath.clear();
    m_charts.clear();
}

QString ExecutionCounts::captionOf(const cBlock &block)
{
    const BlockCaption::Texts texts = BlockCaption::textsFor(block.captionSource());
    QString caption = texts.up.isEmpty() ? texts.main : texts.up + QLatin1Char(' ') + texts.main;
    caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    caption.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return caption.trimmed();
}

void ExecutionCounts::readBreakpoint(BlockRecord &record, const Breakpoints *breakpoints)
{
    record.breakpoint = breakpoints && breakpoints->has(record.chart->key, record.tag);
    record.condition = BreakpointCondition(record.breakpoint ? breakpoints->condition(record.chart->key, record.tag)
                                                             : QString());
}

ChartRecord &ExecutionCounts::chart(const QString &path, const Block_Collection &blocks,
                                    const Breakpoints *breakpoints)
{
    if (ChartRecord *known = m_byPath.value(path))
        return *known;
    auto chart = std::make_unique<ChartRecord>();
    chart->path = path;
    chart->key = Breakpoints::chartKey(path);
    chart->name = Paths::fileNameOf(path);
    for (const auto &block : blocks)
        record(*chart, *block, breakpoints);
    m_byPath.insert(path, chart.get());
    m_charts.push_back(std::move(chart));
    return *m_charts.back();
}

BlockRecord &ExecutionCounts::record(ChartRecord &chart, const cBlock &block, const Breakpoints *breakpoints)
{
    const QString key = folded(block.TagID());
    if (BlockRecord *known = chart.byTag.value(key))
        return *known;
    BlockRecord &made = chart.blocks.emplace_back();
    made.chart = &chart;
    made.tag = block.TagID();
    made.caption = captionOf(block);
    readBreakpoint(made, breakpoints);
    chart.byTag.insert(key, &made);
    return made;
}

const BlockRecord *ExecutionCounts::find(const QString &path, const QString &tag) const
{
    const ChartRecord *chart = m_byPath.value(path);
    return chart ? chart->byTag.value(folded(tag)) : nullptr;
}

void ExecutionCounts::refreshBreakpoints(const Breakpoints *breakpoints)
{
    for (const auto &chart : m_charts) {
        for (BlockRecord &record : chart->blocks)
            readBreakpoint(record, breakpoints);
    }
}

QByteArray ExecutionCounts::csv() const
{
    QString text = QStringLiteral("chart,tag,caption,count\n");
    for (const auto &chart : m_charts) {
        for (const BlockRecord &record : chart->blocks) {
            text += countsCsvField(chart->name) + QLatin1Char(',') + countsCsvField(record.tag) + QLatin1Char(',')
                + countsCsvField(record.caption) + QLatin1Char(',') + QString::number(record.count) + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}
