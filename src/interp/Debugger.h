#pragma once

#include "interp/Breakpoints.h"
#include "interp/ExecutionCounts.h"
#include "model/cBlock.h"
#include "interp/RunHistory.h"
#include "interp/RunParts.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>


// Breakpoints, stepping and execution counts of a run. The tick asks it about every block only
// while it is active (a breakpoint is set, counts or a trace are on, or a step is under way):
// otherwise the tick runs its plain loop, and debugging costs one check per slice.
class Debugger : public QObject {
    Q_OBJECT
public:
    enum class Step { None, Into, Over, Out, ToBlock };
    using Trace = std::function<void(const QString &chart, const BlockRecord &record)>;

    explicit Debugger(RunParts parts, QObject *parent = nullptr);

    void setBreakpoints(Breakpoints *breakpoints);
    Breakpoints *breakpoints() const { return m_breakpoints; }
    void setCountsOn(bool on);
    bool countsOn() const { return m_countsOn; }
    // Called for every block the run executes (the terminal runner's --trace).
    void setTrace(Trace trace);
    // Kept by run control: a history is recorded (the delay is above 0 or the run is paused).
    void setRecording(bool on);
    bool recording() const { return m_recording; }

    bool active() const { return m_active; }

    // A run starts: counts start again at zero; no step is under way.
    void runStarting();
    // Counting alone is the common case while debugging: a block that only counts (its record is
    // taken, it has no breakpoint and nothing is watching) costs a comparison and an increment.
    // False when beforeBlock must see the block.
    [[gnu::always_inline]] bool countedQuietly(const cBlock &block) const
    {
        RunCache &cache = block.runCache();
        if (cache.debugRun != m_quietKey) [[unlikely]]
            return false;
        ++cache.debugRecord->count;
        return true;
    }
    // Called before any other block executes; true when the run pauses before it instead.
    bool beforeBlock(cBlock &block, int depth);
    // The line a condition took (true: EVET).
    static void conditionTaken(const cBlock &block, bool yes);

    // The run resumes from a pause at `current`: that block runs without pausing again.
    void resuming(const cBlock *current)
    {
        m_resumeAt = current;
        m_history.resuming();
        updateActive();
    }
    void pausing() { m_history.pausing(); }
    RunHistory::Back stepBack(RunHistory::Place &place) { return m_history.stepBack(place); }
    const RunHistory &history() const { return m_history; }
    // The next pause comes where the step says; depth is the current call depth.
    void arm(Step step, int depth);
    // Run to the block with this tag in the chart file at this path.
    void armToBlock(const QString &path, const QString &tag);
    Step step() const { return m_step; }

    const ExecutionCounts &counts() const { return m_counts; }
    // The record of a block of the chart on show; nullptr when the run has not seen its chart.
    const BlockRecord *recordOf(const QString &path, const QString &tag) const { return m_counts.find(path, tag); }

Q_SIGNALS:
    // Counts or a record's breakpoint changed (at screen rate: emitted when a pause or the end of
    // a run wants them shown).
    void recordsChanged();

private:
    void updateActive();
    void newEpoch();
    BlockRecord &enter(cBlock &block);
    bool pausesAt(const BlockRecord &record, int depth);
    bool conditionHolds(const BlockRecord &record);

    RunParts m_parts;
    QPointer<Breakpoints> m_breakpoints;
    ExecutionCounts m_counts;
    RunHistory m_history;
    Trace m_trace;
    bool m_countsOn = false;
    bool m_recording = false;
    bool m_active = false;
    // Something besides counting looks at each block: a step, a resume, the trace or the history.
    bool m_watching = false;
    // Records taken, and their breakpoints read, in this epoch hold: a new run or a change of
    // the breakpoints starts another. A block's run cache keeps the epoch it took its record in,
    // shifted left, with the low bit set when the block has a breakpoint.
    quint64 m_epoch = 0;
    // The key of a block that only counts: its record is of this epoch, it has no breakpoint and
    // nothing is watching (then no key matches).
    quint64 m_quietKey = 0;
    const cBlock *m_resumeAt = nullptr;
    Step m_step = Step::None;
    int m_depth = 0;
    QString m_targetKey;
    QString m_targetTag;
};
