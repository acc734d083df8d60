#pragma once

#include <QString>
#include <vector>

// The shape of a chart's code before it is written in a language: the blocks in order, with the
// branches and loops the lines make. Statements name their block by node index.
struct CodeStatement {
    enum Kind : unsigned char {
        Do,       // the block's own statement (an end of the run or of the chart included)
        If,       // condition `node` (negated when `negate`): `body`, else `orElse`
        Loop,     // forever: `body`, left by Break
        While,    // while condition `node` (negated when `negate`): `body`
        DoWhile,  // `body`, then again while condition `node` (negated when `negate`)
        Break,
        Continue,
        Machine,  // the blocks as states: `body` holds one Case per state; starts at `node`, and a
                  // Jump to -1 leaves it (when `exit` is a block, the code after it goes on there)
        Case,     // state `node`: `body`
        Jump,     // go on at state `node`
    };
    Kind kind = Do;
    int node = -1;
    bool negate = false;
    bool ends = false; // Do: the block ends the run or the chart
    int exit = -2;     // Machine: the block after it; -2 when the machine is all there is
    std::vector<CodeStatement> body;
    std::vector<CodeStatement> orElse;
    QString note; // a one-line comment above the statement

    static CodeStatement make(Kind kind, int node = -1)
    {
        CodeStatement s;
        s.kind = kind;
        s.node = node;
        return s;
    }
};
