#pragma once

#include "model/ActionCode.h"

#include <QString>
#include <QStringList>

// One step of a chart as the generated code sees it: a block with the lines it follows already
// decided, or an end of the run that the interpreter would reach there (a missing line, a chart
// that cannot be called), with the messages it shows first.
struct FlowNode {
    enum Kind : unsigned char { Block, Fail };
    Kind kind = Block;
    ActionCode code = ActionCode::Unknown;
    QString tag;
    QString param[3];
    // Fail: the messages shown before the run ends, one per message box; none for a silent end.
    QStringList messages;
    // Statement: next[0]. Condition: next[0] on YES, next[1] on NO. -1 where nothing follows.
    int next[2] = {-1, -1};
    // FUNCTION naming a chart: its index in the program.
    int callee = -1;
    bool builtIn = false;

    bool isCondition() const;
    bool endsRun() const { return kind == Fail || code == ActionCode::Stop; }
};
