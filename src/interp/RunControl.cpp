#include "interp/RunControl.h"

#include "interp/CallStack.h"
#include "base/CoarseClock.h"
#include "interp/ConsoleScreen.h"
#include "interp/ExecutionCounts.h"
#include "interp/RunEnded.h"
#include "interp/RunHost.h"
#include "interp/VariableStore.h"
#include "project/Project.h"
#include "base/MessageLog.h"
#include "base/tranLng.h"

#include <QCoreApplication>

RunControl::RunControl(RunParts parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_interpreter(parts, m_state)
{
    m_timerRunner.setInterval(100);
    connect(&m_timerRunner, &QTimer::timeout, this, [this] {
        if (!m_state.running) {
            disableTimer();
            return;
        }
        tick(1);
        // A timed run shows every block it comes to.
        showCurrentBlock();
    });
    connect(&m_interpreter, &Interpreter::waiting, this, &RunControl::showCurrentBlock);
    connect(&m_interpreter, &Interpreter::windowOpening, this, &RunControl::disableTimer);
    Block_Collection &blocks = m_parts.project.theBlockCollection();
    connect(&blocks, &Block_Collection::blockAboutToBeRemoved, this, &RunControl::forgetBlock);
    connect(&blocks, &Block_Collection::aboutToClear, this, [this] { m_state.currentBlock = nullptr; });
}

void RunControl::tick(int count)
{
    const Interpreter::Tick ended = m_interpreter.runBlocks(count);
    if (ended == Interpreter::Tick::Skipped)
        return;
    tickEnded(ended);
    tickFinished();
}

void RunControl::tickEnded(Interpreter::Tick tick)
{
    switch (tick) {
    case Interpreter::Tick::Skipped:
    case Interpreter::Tick::Over:
        break;
    case Interpreter::Tick::Ran:
        // Step mode pauses after each block that leaves the run somewhere to go on from.
        if (m_state.currentBlock && stepMode() && !m_sprint)
            setPauseChecked(true);
        break;
    case Interpreter::Tick::Paused:
        pauseForDebugger();
        break;
    case Interpreter::Tick::Failed:
        failAtCurrentBlock();
        break;
    case Interpreter::Tick::Ended:
        TerminateExecution();
        break;
    }
}

void RunControl::failAtCurrentBlock()
{
    if (const cBlock *block = m_state.currentBlock)
        Q_EMIT runFailedAt(block->TagID(), ExecutionCounts::captionOf(*block));
    TerminateExecution();
}

// The interpreter's tick has returned; a fast loop asked for meanwhile starts now.
void RunControl::tickFinished()
{
    if (!m_restartAfterTick)
        return;
    m_restartAfterTick = false;
    // From the event loop rather than from the end of the tick, deep in its caller's stack.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_state.running && m_timerEnabled && interval() == 0)
                runFastLoop();
        },
        Qt::QueuedConnection);
}

void RunControl::forgetBlock(const cBlock *block)
{
    if (m_state.currentBlock == block)
        m_state.currentBlock = nullptr;
}

void RunControl::cmdRun_ClickP()
{
    if (m_state.running || !m_parts.host.confirmDiscardChanges())
        return;
    m_parts.console.clearScreen();
    m_parts.vars.clearVars();
    m_parts.stack.clearStack();
    m_parts.stack.PUSH(m_parts.vars.ifVarGetValue(QStringLiteral("PARAM")));
    m_parts.stack.PUSH(QStringLiteral("PAR-OS"));
    m_parts.stack.PUSH(QStringLiteral("RET-OS"));
    m_parts.stack.PUSH(QStringLiteral("CS-OS"));
    m_parts.stack.PUSH(QStringLiteral("IP-OS"));
    m_interpreter.runStarting();
    updateRecording();
    if (!m_targetTag.isEmpty()) {
        debugger().armToBlock(m_targetPath, m_targetTag);
        m_sprint = true;
        m_targetTag.clear();
    }
    m_state.depth = 0;
    m_state.currentBlock = m_interpreter.findBlockByAction(QStringLiteral("START"));
    m_state.running = true;
    m_state.completed = false;
    ++m_state.serial;
    showCurrentBlock();
    m_runEnabled = false;
    enableEditing(false);
    Q_EMIT runStarted();
    StartExecution();
}

void RunControl::enableTimer()
{
    m_timerEnabled = true;
    if (interval() > 0)
        m_timerRunner.start(interval());
}

void RunControl::disableTimer()
{
    m_timerEnabled = false;
    m_timerRunner.stop();
}

void RunControl::StartExecution()
{
    enableTimer();
    if (interval() != 0) {
        m_pauseEnabled = true;
        Q_EMIT controlsChanged();
        return;
    }
    runFastLoop();
}

void RunControl::runFastLoop()
{
    if (m_inFastLoop)
        return; // the loop further down the stack carries on
    if (m_state.inTick) {
        // Called from inside a tick that is waiting (an input, a window event): ticks never
        // nest, so the loop starts once that tick has finished.
        m_restartAfterTick = true;
        return;
    }
    m_inFastLoop = true;
    // The interpreter runs a slice of blocks per call, and events are processed once per time
    // slice of a few milliseconds rather than after every block: the window stays responsive
    // and a fast run is bound neither by event processing nor by per-block checks here. A slice
    // ends after every call and return, so the clock read between slices is the coarse one.
    qint64 sliceStart = CoarseClock::nowMs();
    while (m_timerEnabled && interval() == 0) {
        tick(SliceBlocks);
        const qint64 now = CoarseClock::nowMs();
        if (now - sliceStart >= 5) {
            // The screen shows the block the run has come to at most once per frame of its own.
            showCurrentBlock();
            QCoreApplication::processEvents();
            sliceStart = CoarseClock::nowMs();
        }
    }
    m_inFastLoop = false;
    if (m_timerEnabled && interval() > 0)
        m_timerRunner.start(interval());
}

// Not inside the call that asked: a resume from the window returns to its event loop first.
void RunControl::runFastLoopLater()
{
    if (m_state.inTick) {
        m_restartAfterTick = true;
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, serial = m_state.serial] {
            if (stillRunning(serial) && m_timerEnabled && interval() == 0)
                runFastLoop();
        },
        Qt::QueuedConnection);
}

void RunControl::pauseForDebugger()
{
    m_sprint = false;
    m_pauseEnabled = true;
    setPauseChecked(true);
}

void RunControl::step(Debugger::Step step)
{
    if (!canStep())
        return;
    debugger().arm(step, m_state.depth);
    m_sprint = true;
    setPauseChecked(false);
}

void RunControl::runToBlock(const QString &path, const QString &tag)
{
    if (!m_state.running) {
        m_targetPath = path;
        m_targetTag = tag;
        cmdRun_ClickP();
        m_targetTag.clear();
        return;
    }
    if (!m_pauseChecked)
        return;
    debugger().armToBlock(path, tag);
    m_sprint = true;
    setPauseChecked(false);
}

void RunControl::updateRecording()
{
    debugger().setRecording(m_state.running && (m_delay > 0 || m_pauseChecked || m_sprint));
}

bool RunControl::stepBack()
{
    if (!canStep())
        return false;
    RunHistory::Place place;
    switch (debugger().stepBack(place)) {
    case RunHistory::Back::Empty:
        Q_EMIT statusMessage(MessageText::of(QT_TRANSLATE_NOOP("Message", "Geri alınacak adım yok.")));
        return false;
    case RunHistory::Back::Window:
        Q_EMIT statusMessage(
            MessageText::of(QT_TRANSLATE_NOOP("Message", "Geri Adım burada durur: gösterilen bir pencere geri alınamaz.")));
        return false;
    case RunHistory::Back::Done:
        break;
    }
    m_state.currentBlock = m_parts.project.theBlockCollection().item(place.tag);
    m_state.depth = place.depth;
    selectCurrentBlock();
    showCurrentBlock();
    Q_EMIT controlsChanged();
    return true;
}

void RunControl::showCurrentBlock()
{
    if (m_state.running && m_state.currentBlock && m_parts.project.context().trackCurrentBlock)
        m_parts.host.setSelector(m_state.currentBlock);
}

void RunControl::selectCurrentBlock()
{
    ModelContext &context = m_parts.project.context();
    if (context.trackCurrentBlock && m_state.currentBlock && m_state.currentBlock->hasElement())
        context.setSelection(m_state.currentBlock->theObjectShape(), -1);
}

void RunControl::TerminateExecution()
{
    selectCurrentBlock();
    const bool wasRunning = m_state.running;
    m_sprint = false;
    m_state.currentBlock = nullptr;
    debugger().setRecording(false);
    m_state.running = false;
    m_parts.console.cancelInput();
    disableTimer();
    m_runEnabled = true;
    enableEditing(true);
    if (m_parts.flags.windowShown) {
        m_parts.flags.windowClosedByRun = true;
        if (!m_parts.flags.inWindowResize)
            m_parts.host.closeWindowForTermination();
    }
    if (m_parts.flags.startUpFlowMode) {
        if (m_parts.flags.screenShown || m_parts.log.messageBoxShown())
            m_parts.flags.runFinished = true;
        else
            m_parts.host.endApplication();
    }
    // Unchecking the pause here does not restart the timer: the tick that would follow finds
    // no block and changes nothing.
    m_pauseEnabled = false;
    m_pauseChecked = false;
    m_nextStepEnabled = false;
    Q_EMIT controlsChanged();
    if (wasRunning)
        Q_EMIT runEnded();
}

void RunControl::endRun()
{
    if (m_state.canUnwind())
        throw RunEnded{};
    TerminateExecution();
}

void RunControl::setPauseChecked(bool checked)
{
    m_pauseChecked = checked;
    m_nextStepEnabled = checked;
    if (checked) {
        debugger().pausing();
        disableTimer();
        // A paused run leaves the editor on the block that comes next.
        selectCurrentBlock();
        showCurrentBlock();
    } else {
        if (m_state.running)
            debugger().resuming(m_state.currentBlock);
        enableTimer();
        // A fast run paused by the debugger goes on at full speed, and cannot be paused by hand.
        if (m_state.running && interval() == 0) {
            m_pauseEnabled = m_sprint;
            runFastLoopLater();
        }
    }
    updateRecording();
    Q_EMIT controlsChanged();
}

void RunControl::setDelay(int value)
{
    m_delay = qBound(m_delayMinimum, value, DelayMaximum);
    if (m_timerRunner.isActive())
        m_timerRunner.setInterval(interval());
    updateRecording();
    Q_EMIT controlsChanged();
}

QString RunControl::delayLabel() const
{
    const QString word = tranLng(QStringLiteral("delay "));
    if (stepMode())
        return word + QStringLiteral(": P");
    return word + QStringLiteral(":") + QString::number(m_delay);
}

void RunControl::enableEditing(bool flag)
{
    m_editingEnabled = flag;
    if (flag) {
        m_delayMinimum = 0;
        m_delayEnabled = true;
    } else if (m_delay != 0) {
        m_delayMinimum = 1;
    } else {
        m_delayEnabled = false;
    }
    Q_EMIT editingEnabledChanged(flag);
    Q_EMIT controlsChanged();
}
