#pragma once

#include <QString>
#include <QtGlobal>

class cBlock;
struct BlockRecord;

// What the interpreter has already looked up for one block: what its operands name and the
// blocks its lines lead to. The model only stores it; each part records the generation it was
// found in, and a stale part is simply looked up again.
struct RunCache {
    // An operand resolved once: a variable's column, or (when no variable has that name) the
    // parameter itself, read as a number literal where it is one.
    struct Operand {
        int column = -1;
        bool isNumber = false;
        double number = 0;
    };
    struct Next {
        cBlock *block = nullptr;
        bool found = false;
        quint64 linkGeneration = 0;
    };
    // The operands hold for this revision of the block and this add generation of the
    // variable store.
    quint32 revision = ~0u;
    // A FUNCTION block was found to name no built-in (so it calls a chart) at this revision.
    quint32 chartCallRevision = ~0u;
    quint64 generation = 0;
    Operand operand[3];
    Next next[3]; // empty label, YES label, NO label
    // The chart file a FUNCTION block calls, built from its name at calledRevision for the
    // chart folder calledFrom.
    quint32 calledRevision = ~0u;
    QString calledFrom;
    QString calledPath;
    // The debugger's record of the block (counts, breakpoint), taken in the debugger's epoch
    // debugRun >> 1; the low bit is set when the block had a breakpoint then.
    quint64 debugRun = 0;
    BlockRecord *debugRecord = nullptr;
};
