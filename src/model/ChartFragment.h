#pragma once

#include "model/EditRecord.h"

#include <QVector>

// Some blocks of a chart and the lines between them, as plain states: what is copied, cut and
// pasted. Tags are those of the chart the fragment came from; pasting gives the blocks new ones.
struct ChartFragment {
    QVector<EditRecord::BlockState> blocks;
    QVector<EditRecord::LineState> lines;

    bool isEmpty() const { return blocks.isEmpty(); }
};
