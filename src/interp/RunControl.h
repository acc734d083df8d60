#pragma once

#include "interp/AppFlags.h"
#include "interp/Interpreter.h"
#include "interp/RunEnding.h"
#include "interp/RunParts.h"
#include "interp/RunState.h"

#include <QObject>
#include <QString>
#include <QTimer>

class cBlock;

// Starts, paces, pauses, single-steps and stops runs. It holds the state of the main window's
// run controls (run button, pause, next step, delay bar) so that the window only mirrors it,
// and the run's shared state, which it hands to the interpreter. It calls the interpreter for
// each tick and acts on how the tick ended; the interpreter never calls it.
class RunControl final : public QObject, public RunEnding {
    Q_OBJECT
public:
    static constexpr int DelayMaximum = 2001; // the maximum means step mode
    // Blocks one call of the interpreter runs at delay 0 before control returns here.
    static constexpr int SliceBlocks = 256;

    explicit RunControl(RunParts parts, QObject *parent = nullptr);

    // The tick itself is the interpreter's; run control only decides when it happens.
    Interpreter &interpreter() { return m_interpreter; }
    Debugger &debugger() { return m_interpreter.debugger(); }

    void cmdRun_ClickP();
    void StartExecution();
    void TerminateExecution();
    // The run parts' way to end the run: inside a tick it unwinds to the tick (RunEnded).
    void endRun() override;
    void cmdStop_MouseDown() { TerminateExecution(); }
    void setPauseChecked(bool checked); // the chkPause click rule
    void cmdNextStep_Click() { setPauseChecked(false); }
    // The debugger's commands, while a run is paused: the run goes on at full speed until the
    // step's pause. Step into runs one block, step over a whole chart call, step out up to the
    // caller.
    bool canStep() const { return m_state.running && m_pauseChecked; }
    void stepInto() { step(Debugger::Step::Into); }
    void stepOver() { step(Debugger::Step::Over); }
    void stepOut() { step(Debugger::Step::Out); }
    // Runs until the block with this tag in the chart file at this path is about to execute;
    // starts a run when none is in progress.
    void runToBlock(const QString &path, const QString &tag);
    // While paused: undoes the last block the run executed. False when there is none to undo
    // or a shown window stands in the way (statusMessage says which).
    bool stepBack();
    // A step runs at full speed, whatever the delay.
    bool sprinting() const { return m_sprint; }
    void setDelay(int value);           // scroll_ExecutionDelay change
    void enableEditing(bool flag);
    // One tick of up to `count` blocks (the timer's tick runs one).
    void tick(int count);
    // Tells the screen which block the run has come to, while blocks are tracked. Run control
    // does so at the start, after every timed tick, at a pause, before a block waits and once
    // per time slice of a fast run; the editor's selection follows only at a pause and at the end.
    void showCurrentBlock();

    const RunState &state() const { return m_state; }
    cBlock *currentBlock() const { return m_state.currentBlock; }
    void setCurrentBlock(cBlock *block) { m_state.currentBlock = block; }
    // A run is in progress from its start until TerminateExecution.
    bool runInProgress() const override { return m_state.running; }
    quint64 runSerial() const { return m_state.serial; }
    bool stillRunning(quint64 serial) const { return m_state.stillRunning(serial); }
    bool completedNormally() const { return m_state.completed; }

    bool timerEnabled() const { return m_timerEnabled; }
    bool runEnabled() const { return m_runEnabled; }
    bool pauseEnabled() const { return m_pauseEnabled; }
    bool pauseChecked() const { return m_pauseChecked; }
    bool nextStepEnabled() const { return m_nextStepEnabled; }
    bool editingEnabled() const { return m_editingEnabled; }
    int delay() const { return m_delay; }
    int delayMinimum() const { return m_delayMinimum; }
    bool delayEnabled() const { return m_delayEnabled; }
    bool stepMode() const { return m_delay == DelayMaximum; }
    int interval() const { return m_sprint ? 0 : (stepMode() ? 1 : m_delay); }
    QString delayLabel() const;

Q_SIGNALS:
    // The window mirrors the controls from this one signal.
    void controlsChanged();
    void editingEnabledChanged(bool enabled);
    void runStarted();
    void runEnded();
    // A short notice for the status bar.
    void statusMessage(const MessageText &text);
    // A run-time error is ending the run at this block (its tag and one-line caption).
    void runFailedAt(const QString &tag, const QString &caption);

private:
    void tickEnded(Interpreter::Tick tick);
    // A breakpoint or a step has come: pauses before the current block, at any delay.
    void pauseForDebugger();
    void tickFinished();
    void failAtCurrentBlock();
    void enableTimer();
    void disableTimer();
    void runFastLoop();
    void runFastLoopLater();
    void step(Debugger::Step step);
    void updateRecording();
    void forgetBlock(const cBlock *block);
    void selectCurrentBlock();

    RunParts m_parts;
    RunState m_state;
    Interpreter m_interpreter;
    QTimer m_timerRunner;
    bool m_restartAfterTick = false;
    bool m_sprint = false;
    // Run to here asked for before the run started: the chart path and the tag.
    QString m_targetPath;
    QString m_targetTag;
    bool m_timerEnabled = false;
    bool m_inFastLoop = false;
    bool m_runEnabled = true;
    bool m_pauseEnabled = false;
    bool m_pauseChecked = false;
    bool m_nextStepEnabled = false;
    bool m_editingEnabled = true;
    int m_delay = 100;
    int m_delayMinimum = 0;
    bool m_delayEnabled = true;
};
