#include "ui/run/GuiRunHost.h"

#include "base/MessageLog.h"
#include "model/Block_Collection.h"
#include "model/cBlock.h"
#include "interp/Runtime.h"
#include "ui/dialogs/OpenFileDialog.h"
#include "ui/guiwin/RunWindowHost.h"
#include "ui/run/MainWindowSide.h"

GuiRunHost::GuiRunHost(MainWindowSide &window, Block_Collection &blocks)
    : m_window(window)
{
    m_selectorTimer.setSingleShot(true);
    m_selectorTimer.setInterval(16);
    connect(&m_selectorTimer, &QTimer::timeout, this, &GuiRunHost::flushSelector);
    // A recorded block that goes away (a call replaces the drawing) is never shown.
    connect(&blocks, &Block_Collection::blockAboutToBeRemoved, this, [this](cBlock *block) {
        if (m_pending == block)
            m_pending = nullptr;
    });
    connect(&blocks, &Block_Collection::aboutToClear, this, [this] { m_pending = nullptr; });
}

bool GuiRunHost::runningFast() const
{
    return m_window.runtime().run.interval() == 0;
}

void GuiRunHost::setSelector(const cBlock *block)
{
    if (!block)
        return;
    if (!runningFast()) {
        forgetRecorded();
        m_window.setSelector(block);
        return;
    }
    m_pending = block;
    if (!m_selectorTimer.isActive())
        m_selectorTimer.start();
}

void GuiRunHost::forgetRecorded()
{
    m_selectorTimer.stop();
    m_pending = nullptr;
}

void GuiRunHost::flushSelector()
{
    m_selectorTimer.stop();
    if (m_pending)
        m_window.setSelector(m_pending);
    m_pending = nullptr;
}

void GuiRunHost::hideSelector()
{
    forgetRecorded();
    m_window.hideSelector();
}

void GuiRunHost::showConsole(bool restore)
{
    m_window.showScreen(restore);
}

void GuiRunHost::restoreConsole()
{
    m_window.restoreScreen();
}

bool GuiRunHost::confirmDiscardChanges()
{
    return m_window.confirmDiscardChanges();
}

QString GuiRunHost::fileDialog(const QString &folder, const QString &filter, const QString &defaultExtension)
{
    OpenFileDialog dialog(m_window.widget(), QString(), folder, filter);
    dialog.setDefaultSuffix(defaultExtension);
    return dialog.chosenFile();
}

GuiRunHost::~GuiRunHost() = default;

bool GuiRunHost::openWindow(cBlock *block)
{
    if (!m_windows) {
        Runtime &runtime = m_window.runtime();
        const RunParts parts{m_window.project(), runtime.vars,  runtime.console, runtime.stack,
                             m_window.log(),     *this,         runtime.flags};
        m_windows = std::make_unique<RunWindowHost>(m_window.widget(), parts, runtime.run);
    }
    return m_windows->openWindow(block);
}

bool GuiRunHost::windowLoaded() const
{
    return m_windows && m_windows->windowLoaded();
}

bool GuiRunHost::processObjectDefinition(const QString &target, const QString &source)
{
    return m_windows && m_windows->processObjectDefinition(target, source);
}

void GuiRunHost::closeWindowForTermination()
{
    if (m_windows)
        m_windows->closeWindowForTermination();
}

void GuiRunHost::endApplication()
{
    m_window.endApplication();
}
