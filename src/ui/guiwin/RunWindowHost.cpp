#include "ui/guiwin/RunWindowHost.h"

#include "base/MessageLog.h"
#include "guiwin/WindowLimits.h"
#include "interp/RunControl.h"
#include "model/cBlock.h"
#include "ui/guiwin/frmWindow.h"

RunWindowHost::RunWindowHost(QWidget *owner, RunParts parts, RunControl &run)
    : m_owner(owner)
    , m_parts(parts)
    , m_run(run)
    , m_session(parts, run)
{
}

// The run parts may be gone already: the window goes without a word to the session.
RunWindowHost::~RunWindowHost()
{
    delete m_window.data();
}

frmWindow *RunWindowHost::window() const
{
    return m_window && !m_window->unloaded() ? m_window.data() : nullptr;
}

bool RunWindowHost::openWindow(cBlock *block)
{
    if (window())
        return returnToWindow();
    if (const MessageText refusal = WindowLimits::refusal(block->zParam2()); !refusal.isEmpty()) {
        m_parts.log.mBox(refusal);
        return false;
    }
    m_window = new frmWindow(m_session, m_parts, m_run, m_owner);
    m_window->load(*block);
    // A run that ended while loading (an on-load chart that did not load) leaves no window.
    if (!m_run.runInProgress()) {
        m_window->unload();
        return true;
    }
    m_window->show();
    return true;
}

// The run is back at the window's block: it waits there again, or goes on past it when the
// user closed the window meanwhile.
bool RunWindowHost::returnToWindow()
{
    if (m_session.returnedToWindow()) {
        if (window()) // an event that waited may have ended the run
            m_window->show();
        return true;
    }
    const quint64 serial = m_run.runSerial();
    m_window->unload();
    m_session.resumeAfterWindow(serial);
    return true;
}

bool RunWindowHost::processObjectDefinition(const QString &target, const QString &source)
{
    frmWindow *open = window();
    return open && open->processObjectDefinition(target, source);
}

void RunWindowHost::closeWindowForTermination()
{
    if (frmWindow *open = window())
        open->close();
}
