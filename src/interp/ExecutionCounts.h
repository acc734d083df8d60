#pragma once

#include "interp/ChartRecord.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

class Block_Collection;
class Breakpoints;
class cBlock;

// The records of every chart a run has entered, in the order they were first entered: how
// often each block ran and whether it carries a breakpoint.
class ExecutionCounts {
public:
    void clear();
    // The chart on show at `path` with `blocks`: its table, made from the blocks the first time.
    ChartRecord &chart(const QString &path, const Block_Collection &blocks, const Breakpoints *breakpoints);
    // The record of a block of that chart; a block the table lacks (the file was read again
    // and has changed) is added at the end.
    BlockRecord &record(ChartRecord &chart, const cBlock &block, const Breakpoints *breakpoints);
    const BlockRecord *find(const QString &path, const QString &tag) const;
    const std::vector<std::unique_ptr<ChartRecord>> &charts() const { return m_charts; }
    // Reads every record's breakpoint again.
    void refreshBreakpoints(const Breakpoints *breakpoints);

    // chart,tag,caption,count: one row per block of every chart, in each chart's file order.
    QByteArray csv() const;
    // A block's caption on one line, as the counts and the trace name it.
    static QString captionOf(const cBlock &block);

private:
    static void readBreakpoint(BlockRecord &record, const Breakpoints *breakpoints);

    std::vector<std::unique_ptr<ChartRecord>> m_charts;
    QHash<QString, ChartRecord *> m_byPath;
};
