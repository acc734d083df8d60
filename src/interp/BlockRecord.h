#pragma once

#include "interp/BreakpointCondition.h"

#include <QString>
#include <QtGlobal>

struct ChartRecord;

// What the debugger knows of one block during a run: how often it ran, how often each of a
// condition's lines was taken, and whether a run pauses before it.
struct BlockRecord {
    ChartRecord *chart = nullptr;
    QString tag;
    QString caption;
    quint64 count = 0;
    quint64 yes = 0;
    quint64 no = 0;
    bool breakpoint = false;
    BreakpointCondition condition;
};
