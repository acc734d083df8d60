#include "ui/main/MainWindowCommands.h"

#include "project/RecentProjects.h"
#include "ui/main/BlockEditing.h"
#include "ui/main/LanguageMenu.h"
#include "ui/main/frmMain.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/frmMakeExecutable.h"

#include <QAction>

namespace {

using Role = EditOperations::ColourRole;

} // namespace

MainWindowCommands::MainWindowCommands(frmMain &window, ChartEditor &editor, const MainActions &actions)
    : QObject(&window),
      m_window(window),
      m_editing(new BlockEditing(window.project(), editor, &window))
{
    m_editing->setParent(this);
    wireEditing(actions);
    wireProgramEntries(actions);
}

void MainWindowCommands::wireEditing(const MainActions &actions)
{
    connect(actions.bar.edit, &QAction::triggered, m_editing, &BlockEditing::cmdEdit_Click);
    connect(actions.edit.fillColour, &QAction::triggered, m_editing, [this] { m_editing->changeColour(Role::Fill); });
    connect(actions.edit.textColour, &QAction::triggered, m_editing, [this] { m_editing->changeColour(Role::Text); });
    connect(actions.edit.borderColour, &QAction::triggered, m_editing,
            [this] { m_editing->changeColour(Role::Border); });
    connect(actions.edit.size, &QAction::triggered, m_editing, &BlockEditing::mnuChangeSize_Click);
}

void MainWindowCommands::wireProgramEntries(const MainActions &actions)
{
    connect(actions.file.makeExecutable, &QAction::triggered, this, &MainWindowCommands::mnuMakeExecutable_Click);
    connect(actions.help.about, &QAction::triggered, this, &MainWindowCommands::mnuAbout_Click);
    new LanguageMenu(m_window, {actions.help.turkish, actions.help.english}, RecentProjects::defaultSettingsFile());
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
