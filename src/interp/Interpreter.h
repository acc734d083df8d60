#pragma once

#include "base/MessageText.h"
#include "interp/Debugger.h"
#include "interp/RunParts.h"
#include "interp/Value.h"
#include "model/cBlock.h"

#include <QCollator>
#include <QObject>
#include <QString>
#include <memory>

class BuiltIns;
class FunctionCalls;
class RunControl;
class VarnelError;

// A tick executes blocks: the current block's action, then along the first matching line to
// the next block. The run timer's tick executes one block; at delay 0 run control asks for a
// slice of blocks at a time. Every run-time error inside a tick is caught here and ends the
// run, and so is RunEnded, which any part throws when the run is over: the tick is the one
// place where a run ends while blocks execute.
class Interpreter : public QObject {
    Q_OBJECT
public:
    Interpreter(RunParts parts, RunControl &run, QObject *parent = nullptr);
    ~Interpreter() override;

    void timerRunner_Timer() { runBlocks(1); }
    // Up to `count` blocks as one tick. The slice stops early after a block that may wait for
    // the user or call out to the screen, so that run control sees what changed meanwhile.
    void runBlocks(int count);
    cBlock *nextBlock(cBlock *block, const QString &label);
    // nextBlock along the unlabelled line, from the block's cache when its links are unchanged.
    cBlock *followingBlock(cBlock *block);
    cBlock *findBlockByAction(const QString &code);
    bool inTick() const { return m_inTick; }
    // Inside a tick and not waiting in a nested event loop: an ending run may unwind to the tick.
    bool canUnwind() const { return m_inTick && !m_waiting; }

    // Ends a run that executes more blocks than this (0: no limit), for grading charts that
    // loop forever.
    void setBlockLimit(qint64 limit) { m_blockLimit = limit; }
    BuiltIns &builtIns() { return *m_builtIns; }
    Debugger &debugger() { return m_debugger; }
    int callDepth() const;
    void setCallDepth(int depth);
    // A run starts: no call is under way, and the debugger starts afresh.
    void runStarting();

    static MessageText caughtErrorMessage(const QString &source, const MessageText &description, int number);

private:
    // What a block's action asks of the tick: follow the line with this label, or stay (the
    // action has set the current block itself).
    enum Label { EmptyLabel = 0, YesLabel = 1, NoLabel = 2, Stay = -1 };
    template<bool Debug>
    void runSlice(int count);
    qint64 blocksAllowed();
    [[noreturn]] void limitReached();
    void runCallingBlock(cBlock *block);
    void afterSlice();
    int executePlain(cBlock &block, ActionCode code);
    int execute(cBlock &block);
    cBlock *followLine(cBlock *block, int label);
    bool runBuiltIn(const cBlock &block);
    Value chartArgument(const cBlock &block);

    RunCache &resolved(const cBlock &block);
    void resolve(const cBlock &block, RunCache &cache);
    QString textOperand(const cBlock &block, const RunCache &cache, int slot);
    double numericOperand(const RunCache &cache, int slot);
    void setResult(const cBlock &block, int slot, Value value);

    template<typename Wait>
    auto waitFor(Wait wait);
    void resumeAfterWait();

    int doInput(cBlock &block);
    void doOutput(const cBlock &block, const RunCache &cache);
    void doDefinition(const cBlock &block, const RunCache &cache);
    void doArithmetic(const cBlock &block, const RunCache &cache, ActionCode code);
    void doJoin(const cBlock &block, const RunCache &cache);
    void doComp(const cBlock &block, const RunCache &cache);
    void doWindow(cBlock &block);
    void bringConsoleForward();
    void endWithError(const VarnelError &error);

    RunParts m_parts;
    RunControl &m_run;
    std::unique_ptr<BuiltIns> m_builtIns;
    std::unique_ptr<FunctionCalls> m_calls;
    Debugger m_debugger;
    QCollator m_collator;
    QString m_yes;
    QString m_no;
    bool m_inTick = false;
    bool m_waiting = false;
    quint64 m_serial = 0; // the run the current tick belongs to
    qint64 m_blockLimit = 0;
    qint64 m_executed = 0;
    quint64 m_countedRun = 0;
    // When an OUTPUT last brought the console forward (steady-clock milliseconds; -1: never).
    qint64 m_lastScreenShow = -1;
};
