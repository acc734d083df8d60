#pragma once

#include "project/Project.h"
#include "base/MessageLog.h"

#include <QString>

// Draws charts the way the editor does (blocks tracked, placed and sized, then joined) and
// saves them, so that the benchmarks read real project files.
class ChartBuilder {
public:
    enum class Kind { Start, Action, Output, Condition, Intersection, Function, End };

    ChartBuilder();

    // Adds a block of this kind under the next tag ID and returns the tag.
    QString block(Kind kind, const QString &zAction, const QString &p1 = QString(),
                  const QString &p2 = QString(), const QString &p3 = QString());
    void line(const QString &from, const QString &to, const QString &caption = QString());
    bool save(const QString &path);

private:
    MessageLog m_log;
    Project m_project{&m_log};
    int m_placed = 0;
};

namespace BenchCharts {

// START, i = 0, then i = i + 1 until i reaches `count`, OUTPUT i, STOP. Each loop iteration
// executes three blocks: the intersection, the addition and the condition.
bool writeCountingLoop(const QString &path, int count);
// The same loop with an OUTPUT block in it: one console line per iteration.
bool writeOutputLoop(const QString &path, int count);
// A chain of `blocks` blocks: START, i = 0, additions, OUTPUT i, STOP.
bool writeChain(const QString &path, int blocks);
constexpr int SharedChainBlocks = 5000;
// The chain of SharedChainBlocks blocks, written once per program and settled on disk (parsed copies are kept
// only of settled files); empty when it could not be written.
const QString &sharedChain();
// name.vnp: a flowchart that calls itself with its argument less one until it reaches 0,
// keeping its argument in the local variable k.
bool writeRecursiveFunction(const QString &folder, const QString &name);
// name.vnp: START straight to STOP, after `blocks` - 2 blocks of a chain that is never run, so
// that a call costs what the size of the called chart adds to it and nothing else. The START
// block comes last, where a search for it costs the most.
bool writePaddedFunction(const QString &folder, const QString &name, int blocks);
// name.vnp, `blocks` blocks in all: while PARAM is above 0, calls `other` with PARAM less one,
// then STOP; no local variables. Two of these calling each other play ping-pong. The START block
// comes last, after a chain that is never run.
bool writeBouncingFunction(const QString &folder, const QString &name, const QString &other, int blocks);
// A main chart that calls `name` with `depth` as argument, `rounds` times.
bool writeRecursiveCaller(const QString &path, const QString &name, int depth, int rounds);

}
