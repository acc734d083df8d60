#pragma once

#include "base/MessageText.h"
#include "interp/ChartWalk.h"
#include "interp/Debugger.h"
#include "interp/RunParts.h"
#include "interp/RunState.h"
#include "interp/Value.h"
#include "model/cBlock.h"

#include <QCollator>
#include <QObject>
#include <QString>
#include <memory>

class BuiltIns;
class FunctionCalls;
class VarnelError;

// A tick executes blocks: the current block's action, then along the first matching line to
// the next block. Run control asks for one block per timer tick, or at delay 0 for a slice of
// blocks at a time, and acts on how the tick ended. Every run-time error inside a tick is
// caught here and ends the tick, and so is RunEnded, which any part throws when the run is
// over: the tick is the one place where a run ends while blocks execute. It reads and moves
// the run's shared state and calls nothing of run control.
class Interpreter : public QObject {
    Q_OBJECT
public:
    // How a tick ended, for run control to act on.
    enum class Tick {
        Skipped, // no tick: one is under way already, or no run is
        Ran,     // the blocks ran and the run goes on
        Paused,  // the debugger pauses the run before the current block
        Over,    // the run ended meanwhile, by whoever ended it
        Ended,   // the run is over: it has yet to be terminated
        Failed,  // a run-time error at the current block ended it (the message is shown)
    };

    Interpreter(RunParts parts, RunState &state, QObject *parent = nullptr);
    ~Interpreter() override;

    // Up to `count` blocks as one tick. The slice stops early after a block that may wait for
    // the user or call out to the screen, so that run control sees what changed meanwhile.
    Tick runBlocks(int count);
    ChartWalk &walk() { return m_walk; }
    cBlock *nextBlock(cBlock *block, const QString &label) { return m_walk.nextBlock(block, label); }
    cBlock *findBlockByAction(const QString &code) { return m_walk.findBlockByAction(code); }

    // Ends a run that executes more blocks than this (0: no limit), for grading charts that
    // loop forever.
    void setBlockLimit(qint64 limit) { m_blockLimit = limit; }
    BuiltIns &builtIns() { return *m_builtIns; }
    Debugger &debugger() { return m_debugger; }
    // A run starts: the debugger starts afresh.
    void runStarting() { m_debugger.runStarting(); }

    static MessageText caughtErrorMessage(const QString &source, const MessageText &description, int number);

Q_SIGNALS:
    // The run waits at the current block (for the user, or on the screen): the screen shows it.
    void waiting();
    // A WINDOW block opens its window, which drives the run from here: ticking stops.
    void windowOpening();

private:
    // What a block's action asks of the tick: follow the line with this label, or stay (the
    // action has set the current block itself).
    enum Label { EmptyLabel = ChartWalk::Unlabelled, YesLabel = ChartWalk::Yes, NoLabel = ChartWalk::No, Stay = -1 };
    template<bool Debug>
    Tick runSlice(int count);
    qint64 blocksAllowed();
    [[noreturn]] void limitReached();
    Tick runCallingBlock(cBlock *block);
    int executePlain(cBlock &block, ActionCode code);
    int execute(cBlock &block);
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
    void showError(const VarnelError &error);

    RunParts m_parts;
    RunState &m_state;
    ChartWalk m_walk;
    std::unique_ptr<BuiltIns> m_builtIns;
    std::unique_ptr<FunctionCalls> m_calls;
    Debugger m_debugger;
    QCollator m_collator;
    quint64 m_serial = 0; // the run the current tick belongs to
    qint64 m_blockLimit = 0;
    qint64 m_executed = 0;
    quint64 m_countedRun = 0;
    // When an OUTPUT last brought the console forward (steady-clock milliseconds; -1: never).
    qint64 m_lastScreenShow = -1;
};
