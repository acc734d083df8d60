#pragma once

#include "interp/BlockRecord.h"

#include <QHash>
#include <QString>

#include <deque>

// The records of one chart file's blocks, in the file's order. Records never move, so blocks
// may point at them.
struct ChartRecord {
    QString path;
    QString key;  // the breakpoints' key of the chart
    QString name; // the file name without its folder
    std::deque<BlockRecord> blocks;
    QHash<QString, BlockRecord *> byTag; // by folded tag
};
