#pragma once

#include "interp/RunHost.h"

#include <QObject>
#include <QTimer>
#include <memory>

class Block_Collection;
class RunWindowHost;
class MainWindowSide;

// The interpreter's screen in the desktop program. The selection frame follows the block run
// control reports: at once while the run is timed (every block is framed), once per screen
// frame to the last one reported while it runs as fast as it can. Everything else goes to the
// main window.
class GuiRunHost : public QObject, public RunHost {
    Q_OBJECT
public:
    GuiRunHost(MainWindowSide &window, Block_Collection &blocks);
    ~GuiRunHost() override;

    void setSelector(const cBlock *block) override;
    void hideSelector() override;
    void showConsole(bool restore) override;
    void restoreConsole() override;
    bool confirmDiscardChanges() override;
    QString fileDialog(const QString &folder, const QString &filter, const QString &defaultExtension) override;
    bool openWindow(cBlock *block) override;
    bool windowLoaded() const override;
    bool processObjectDefinition(const QString &target, const QString &source) override;
    void closeWindowForTermination() override;
    void endApplication() override;

    // The run-time window's side, made when the first WINDOW block is reached; null before.
    RunWindowHost *windows() const { return m_windows.get(); }

    // Moves the frame to the recorded block now.
    void flushSelector();
    // A block recorded for the next frame is no longer the run's (the run has ended).
    void forgetRecorded();

private:
    bool runningFast() const;

    MainWindowSide &m_window;
    const cBlock *m_pending = nullptr;
    QTimer m_selectorTimer;
    std::unique_ptr<RunWindowHost> m_windows;
};
