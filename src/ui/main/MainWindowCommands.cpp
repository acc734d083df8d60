#include "ui/main/MainWindowCommands.h"

#include "ui/main/BlockEditing.h"
#include "ui/main/frmMain.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmMakeExecutable.h"

#include <QAction>
#include <QPushButton>

namespace {

using Role = EditOperations::ColourRole;

template <class Receiver, class Slot>
void wireEntry(frmMain &window, const char *name, Receiver *receiver, Slot slot)
{
    QAction *entry = window.action(QString::fromLatin1(name));
    entry->setEnabled(true);
    QObject::connect(entry, &QAction::triggered, receiver, slot);
}

} // namespace

MainWindowCommands::MainWindowCommands(frmMain &window, ChartEditor &editor)
    : QObject(&window),
      m_window(window),
      m_editing(new BlockEditing(window.project(), editor, &window))
{
    m_editing->setParent(this);
    wireEditing();
    wireProgramEntries();
}

void MainWindowCommands::wireEditing()
{
    auto *cmdEdit = m_window.findChild<QPushButton *>(QStringLiteral("cmdEdit"));
    cmdEdit->setEnabled(true);
    connect(cmdEdit, &QPushButton::clicked, m_editing, &BlockEditing::cmdEdit_Click);
    wireEntry(m_window, "mnuChangeBackColor", m_editing, [this] { m_editing->changeColour(Role::Fill); });
    wireEntry(m_window, "mnuChangeTextColor", m_editing, [this] { m_editing->changeColour(Role::Text); });
    wireEntry(m_window, "mnuChangeBorderColor", m_editing, [this] { m_editing->changeColour(Role::Border); });
    wireEntry(m_window, "mnuChangeSize", m_editing, &BlockEditing::mnuChangeSize_Click);
}

void MainWindowCommands::wireProgramEntries()
{
    wireEntry(m_window, "mnuMakeExecutable", this, &MainWindowCommands::mnuMakeExecutable_Click);
    wireEntry(m_window, "mnuAbout", this, &MainWindowCommands::mnuAbout_Click);
}

void MainWindowCommands::mnuMakeExecutable_Click()
{
    frmMakeExecutable dialog(&m_window);
    dialog.setStartUpFlow(m_window.project().projectPath());
    dialog.exec();
}

void MainWindowCommands::mnuAbout_Click()
{
    frmAbout about(&m_window);
    about.exec();
}
