#include "interp/Debugger.h"

#include "base/MessageLog.h"
#include "interp/Breakpoints.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "project/Project.h"

#include <atomic>

namespace {

// Epochs are unique across every debugger, so a block never takes another run's record.
quint64 nextEpoch()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

} // namespace

Debugger::Debugger(RunParts parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_history(parts), m_epoch(nextEpoch())
{
}

void Debugger::setBreakpoints(Breakpoints *breakpoints)
{
    if (m_breakpoints)
        disconnect(m_breakpoints, nullptr, this, nullptr);
    m_breakpoints = breakpoints;
    if (breakpoints) {
        connect(breakpoints, &Breakpoints::changed, this, [this] {
            m_counts.refreshBreakpoints(m_breakpoints);
            newEpoch();
            Q_EMIT recordsChanged();
        });
    }
    m_counts.refreshBreakpoints(breakpoints);
    newEpoch();
}

void Debugger::setCountsOn(bool on)
{
    m_countsOn = on;
    updateActive();
}

void Debugger::setTrace(Trace trace)
{
    m_trace = std::move(trace);
    updateActive();
}

// A history with a gap in it could not be stepped back through: it starts afresh.
void Debugger::setRecording(bool on)
{
    if (on != m_recording)
        m_history.clear();
    m_recording = on;
    updateActive();
}

void Debugger::updateActive()
{
    m_watching = m_recording || m_trace || m_step != Step::None || m_resumeAt;
    m_active = m_countsOn || m_watching || (m_breakpoints && !m_breakpoints->isEmpty());
    m_quietKey = m_watching ? ~quint64(0) : m_epoch << 1;
}

// The blocks' keys hold the breakpoints as they were: each block takes its record again, with
// its count kept.
void Debugger::newEpoch()
{
    m_epoch = nextEpoch();
    updateActive();
}

void Debugger::runStarting()
{
    m_counts.clear();
    m_resumeAt = nullptr;
    m_step = Step::None;
    m_history.clear();
    newEpoch();
    // The main chart's blocks are all listed, also those the run never reaches.
    m_counts.chart(m_parts.project.projectPath(), m_parts.project.theBlockCollection(), m_breakpoints);
    Q_EMIT recordsChanged();
}

BlockRecord &Debugger::enter(cBlock &block)
{
    ChartRecord &chart =
        m_counts.chart(m_parts.project.projectPath(), m_parts.project.theBlockCollection(), m_breakpoints);
    BlockRecord &record = m_counts.record(chart, block, m_breakpoints);
    RunCache &cache = block.runCache();
    cache.debugRun = (m_epoch << 1) | quint64(record.breakpoint);
    cache.debugRecord = &record;
    return record;
}

bool Debugger::beforeBlock(cBlock &block, int depth)
{
    RunCache &cache = block.runCache();
    BlockRecord &record = (cache.debugRun >> 1) == m_epoch ? *cache.debugRecord : enter(block);
    if (&block == m_resumeAt) {
        m_resumeAt = nullptr;
        updateActive();
    } else if ((m_step != Step::None || record.breakpoint) && pausesAt(record, depth)) {
        m_resumeAt = &block;
        updateActive();
        return true;
    }
    ++record.count;
    if (m_trace)
        m_trace(record.chart->name, record);
    if (m_recording)
        m_history.blockStarting(block, depth);
    return false;
}

void Debugger::conditionTaken(const cBlock &block, bool yes)
{
    BlockRecord &record = *block.runCache().debugRecord;
    ++(yes ? record.yes : record.no);
}

void Debugger::arm(Step step, int depth)
{
    m_step = step;
    m_depth = depth;
    updateActive();
}

void Debugger::armToBlock(const QString &path, const QString &tag)
{
    m_targetKey = Breakpoints::chartKey(path);
    m_targetTag = tag.toLower();
    arm(Step::ToBlock, 0);
}

bool Debugger::pausesAt(const BlockRecord &record, int depth)
{
    bool pause = false;
    switch (m_step) {
    case Step::None:
        break;
    case Step::Into:
        pause = true;
        break;
    case Step::Over:
        pause = depth <= m_depth;
        break;
    case Step::Out:
        pause = depth < m_depth;
        break;
    case Step::ToBlock:
        pause = record.chart->key == m_targetKey && record.tag.toLower() == m_targetTag;
        break;
    }
    if (!pause && record.breakpoint)
        pause = conditionHolds(record);
    if (pause) {
        m_step = Step::None;
        updateActive();
    }
    return pause;
}

// A condition that cannot be evaluated pauses the run, and says why.
bool Debugger::conditionHolds(const BlockRecord &record)
{
    if (!record.condition.isValid()) {
        m_parts.log.mBox(BreakpointCondition::unreadable(record.condition.text()));
        return true;
    }
    try {
        return record.condition.holds(m_parts.vars);
    } catch (const VarnelError &error) {
        m_parts.log.mBox(
            MessageText::of(QT_TRANSLATE_NOOP("Message", "Kesme noktasının koşulu değerlendirilemedi (%1: %2): %3"),
                            {record.tag, record.condition.text(), error.message()}));
        return true;
    }
}
