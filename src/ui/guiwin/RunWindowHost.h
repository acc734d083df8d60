#pragma once

#include "guiwin/WindowSession.h"
#include "interp/AppFlags.h"
#include "interp/RunParts.h"

#include <QPointer>

class QWidget;
class RunControl;
class cBlock;
class frmWindow;

// The run-time window side of the desktop program's run host: opens the window for a WINDOW
// block, shows it again when the run comes back to that block, carries out property statements
// and closes the window when the run is terminated.
class RunWindowHost {
public:
    RunWindowHost(QWidget *owner, RunParts parts, RunControl &run);
    ~RunWindowHost();

    bool openWindow(cBlock *block);
    bool windowLoaded() const { return m_parts.flags.windowLoaded; }
    bool processObjectDefinition(const QString &target, const QString &source);
    void closeWindowForTermination();

    // The loaded window, null when none is.
    frmWindow *window() const;
    WindowSession &session() { return m_session; }

private:
    bool returnToWindow();

    QWidget *m_owner;
    RunParts m_parts;
    RunControl &m_run;
    WindowSession m_session;
    QPointer<frmWindow> m_window;
};
