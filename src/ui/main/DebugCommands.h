#pragma once

#include "interp/Breakpoints.h"
#include "ui/main/MainActions.h"

#include <QObject>
#include <QString>

#include <memory>

class DebugOverlay;
class QAction;
class QEvent;
class cBlock;
class frmMain;

// The debugger's commands in the main window: breakpoints (F9, the block's corner, its context
// menu), their conditions, stepping into, over, out of and back, run to here, the execution
// counts, and what a run that ended with an error leaves in sight. The user's breakpoints are
// kept in the settings, per chart file.
class DebugCommands : public QObject {
    Q_OBJECT
public:
    DebugCommands(frmMain &window, const MainActions::Run &actions, QObject *parent = nullptr);
    ~DebugCommands() override;

    Breakpoints &breakpoints() { return m_breakpoints; }
    DebugOverlay &overlay() { return *m_overlay; }

    void toggleBreakpoint(const cBlock &block);
    // Asks for the condition of the block's breakpoint; an empty text pauses always.
    void editCondition(const cBlock &block);
    void runToHere(const cBlock &block);
    // The block the commands act on: the selected one.
    const cBlock *selectedBlock() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
    void connectRun();
    void mirrorRun();
    void save();
    QString chartKey() const;
    const cBlock *blockAt(const QPoint &viewportPos, QPointF *local = nullptr) const;
    void showBlockMenu(const cBlock &block, const QPoint &globalPos);
    void showFailedBlock(const QString &tag, const QString &caption);
    void prepareRunWindows();

    frmMain &m_window;
    // The "Çalıştır" menu, whose debugger entries these commands serve.
    MainActions::Run m_actions;
    Breakpoints m_breakpoints;
    std::unique_ptr<DebugOverlay> m_overlay;
    bool m_wasPaused = false;
};
