#pragma once

#include <QtGlobal>

class cBlock;

// What the interpreter has already looked up for one block: the variable columns its operands
// name and the blocks its lines lead to. The model only stores it; each entry records the
// generation it was found in, and a stale entry is simply looked up again.
struct RunCache {
    struct Operand {
        int column = -1;
        quint32 revision = ~0u;
        quint64 generation = 0; // the variable store's add generation when looked up
        // The parameter read as a number literal, for this revision of the block.
        quint32 literalRevision = ~0u;
        bool literalIsNumber = false;
        double literal = 0;
    };
    struct Next {
        cBlock *block = nullptr;
        bool found = false;
        quint64 linkGeneration = 0;
    };
    Operand operand[3];
    Next next[3]; // empty label, YES label, NO label
};
