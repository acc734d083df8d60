#pragma once

#include "model/ModelContext.h"
#include "model/cBlock.h"

#include <QString>

class MessageLog;
class Project;

// Where the lines of the chart on show lead: the block a line with a caption leads to from a
// block, and a chart's block by its action. The tick follows lines through it block by block,
// the chart calls to find where a call returns and starts.
class ChartWalk {
public:
    // The lines a block's cache keeps, in its order.
    enum Line { Unlabelled = 0, Yes = 1, No = 2 };

    ChartWalk(Project &project, MessageLog &log);

    // The block the first line from `block` with this caption leads to (empty: any line);
    // nullptr, with a message, when there is none.
    cBlock *nextBlock(cBlock *block, const QString &label);
    // nextBlock along that line, from the block's cache while the chart's lines are unchanged.
    [[gnu::always_inline]] cBlock *followLine(cBlock *block, int line)
    {
        const RunCache::Next &cached = block->runCache().next[line];
        if (cached.found && cached.linkGeneration == m_context.linkGeneration()) [[likely]]
            return cached.block;
        return nextBlock(block, line == Yes ? m_yes : (line == No ? m_no : QString()));
    }
    cBlock *followingBlock(cBlock *block) { return followLine(block, Unlabelled); }
    // The first block with this action code; nullptr, with a message, when there is none.
    cBlock *findBlockByAction(const QString &code);

private:
    Project &m_project;
    const ModelContext &m_context;
    MessageLog &m_log;
    QString m_yes;
    QString m_no;
};
