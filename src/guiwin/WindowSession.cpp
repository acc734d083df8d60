#include "guiwin/WindowSession.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "guiwin/DefinitionFields.h"
#include "interp/AppFlags.h"
#include "interp/BuiltIns.h"
#include "interp/CallStack.h"
#include "interp/FunctionCalls.h"
#include "interp/RunControl.h"
#include "interp/RunEnded.h"
#include "interp/RunHost.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "model/cBlock.h"
#include "project/Project.h"

namespace {

// Restores the flag however the scope is left.
class Raised {
public:
    explicit Raised(bool &flag) : m_flag(flag) { m_flag = true; }
    ~Raised() { m_flag = false; }
    Raised(const Raised &) = delete;
    Raised &operator=(const Raised &) = delete;

private:
    bool &m_flag;
};

} // namespace

WindowSession::WindowSession(RunParts parts, RunControl &run)
    : m_parts(parts)
    , m_run(run)
{
}

void WindowSession::beginLoad(const cBlock &windowBlock)
{
    m_loadComplete = false;
    m_eventRunning = false;
    m_closePending = false;
    m_pending.clear();
    m_parts.flags.windowLoaded = true;
    m_opener = m_parts.project.projectPath();
    m_parts.flags.windowClosedByRun = false;
    QString events = windowBlock.zParam3();
    m_onLoad = DefinitionFields::nextField(events);
    m_onResize = DefinitionFields::nextField(events);
}

void WindowSession::finishLoad()
{
    if (!m_onLoad.isEmpty())
        callEventFunction(m_onLoad, QStringLiteral("ONLOAD-NOPARAM"));
    m_loadComplete = true;
}

void WindowSession::activated()
{
    m_parts.flags.windowShown = true;
}

void WindowSession::resized(bool minimised)
{
    if (minimised)
        return;
    Raised resizing(m_parts.flags.inWindowResize);
    const bool openerLoaded = Paths::fileNameOf(m_parts.project.projectPath())
                                  .compare(Paths::fileNameOf(m_opener), Qt::CaseInsensitive)
                              == 0;
    if (m_parts.flags.windowShown && m_parts.flags.windowLoaded && m_loadComplete && openerLoaded
        && !m_onResize.isEmpty() && !m_eventRunning)
        callEventFunction(m_onResize, QStringLiteral("ONRESIZE-NOPARAM"));
}

WindowSession::Close WindowSession::closeRequested()
{
    if (m_parts.flags.windowClosedByRun || !m_run.runInProgress())
        return Close::Ignore;
    if (m_eventRunning) {
        m_closePending = true;
        return Close::AfterFunction;
    }
    return Close::Resume;
}

void WindowSession::unloaded()
{
    m_parts.flags.windowLoaded = false;
    m_parts.flags.windowShown = false;
    m_loadComplete = false;
    m_eventRunning = false;
    m_closePending = false;
    m_pending.clear();
}

void WindowSession::resumeAfterWindow(quint64 runSerial)
{
    if (!m_run.stillRunning(runSerial))
        return;
    m_run.setCurrentBlock(m_run.interpreter().nextBlock(m_run.currentBlock(), QString()));
    m_run.StartExecution();
}

bool WindowSession::returnedToWindow()
{
    m_eventRunning = false;
    if (m_closePending)
        return false;
    runNextPending();
    return true;
}

void WindowSession::objectEvent(const QString &function, const QString &parameter)
{
    if (function.isEmpty() || !m_run.currentBlock())
        return;
    if (m_eventRunning) {
        m_pending.push_back({function, parameter});
        return;
    }
    callEventFunction(function, parameter);
    runNextPending();
}

// Events that waited run one after another; one that starts a chart ends the turn, the rest
// wait for its return.
void WindowSession::runNextPending()
{
    while (!m_eventRunning && !m_pending.empty() && m_run.currentBlock()) {
        const Event next = m_pending.front();
        m_pending.pop_front();
        callEventFunction(next.function, next.parameter);
    }
}

void WindowSession::callEventFunction(const QString &name, const QString &parameter)
{
    cBlock *current = m_run.currentBlock();
    if (!current)
        return;
    try {
        if (callBuiltIn(name, parameter))
            return;
        const QString windowTag = current->TagID();
        pushEventFrame(*current, parameter);
        if (!m_run.runInProgress())
            return; // the stack was full
        m_parts.host.hideSelector();
        if (loadFunction(name + QStringLiteral(".vnp"))) {
            m_eventRunning = true;
            cBlock *start = m_run.interpreter().findBlockByAction(QStringLiteral("START"));
            m_run.setCurrentBlock(start);
            m_parts.host.setSelector(start);
            m_run.StartExecution();
            return;
        }
        m_parts.host.setSelector(m_parts.project.theBlockCollection().item(windowTag));
        m_parts.log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Fonksiyon yüklenemiyor: %1"), {name}));
        m_run.TerminateExecution();
    } catch (const RunEnded &) {
        if (m_run.runInProgress())
            m_run.TerminateExecution();
    } catch (const VarnelError &error) {
        m_parts.log.mBox(Interpreter::caughtErrorMessage(error.source(), error.message(), error.number()));
        m_run.TerminateExecution();
    }
}

// A built-in may wait for the user (a file dialog); events meanwhile wait their turn.
bool WindowSession::callBuiltIn(const QString &name, const QString &parameter)
{
    Raised running(m_eventRunning);
    return m_run.interpreter().builtIns().callBuiltIn(name, parameter, QString());
}

void WindowSession::pushEventFrame(const cBlock &current, const QString &parameter)
{
    m_parts.stack.PUSH(m_parts.vars.ifVarGetValue(QStringLiteral("PARAM")));
    m_parts.stack.PUSH(m_parts.vars.ifVarGetValue(parameter));
    m_parts.stack.PUSH(QStringLiteral("SUB_RETURN"));
    m_parts.stack.pushCaller(m_parts.project.projectFileName(), m_parts.project.projectPath());
    m_parts.stack.PUSH(current.TagID());
}

bool WindowSession::loadFunction(const QString &fileName)
{
    const QString folder = m_parts.project.projectFolder();
    const QString exact = folder + fileName;
    if (m_parts.project.enterChart(exact))
        return true;
    const QString other = FunctionCalls::chartPath(folder, fileName);
    return other != exact && m_parts.project.enterChart(other);
}
