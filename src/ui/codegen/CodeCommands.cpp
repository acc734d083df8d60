#include "ui/codegen/CodeCommands.h"

#include "exercise/EditedChart.h"
#include "interp/RunControl.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "ui/codegen/CodeExportDialog.h"
#include "ui/codegen/CodeView.h"
#include "ui/editor/ChartEditor.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QUndoStack>

CodeCommands::CodeCommands(QMainWindow &window, Project &project, ChartEditor &editor, RunControl &run,
                           QAction *exportCode, QAction *showView)
    : QObject(&window), m_window(window), m_project(project), m_editor(editor), m_run(run),
      m_view(new CodeView), m_dock(new QDockWidget(tr("Kod"), &window))
{
    m_dock->setObjectName(QStringLiteral("codeDock"));
    m_dock->setWidget(m_view);
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    m_view->setChartSource([this] { return EditedChart::of(m_project); });

    showView->setCheckable(true);
    connect(showView, &QAction::toggled, m_dock, &QDockWidget::setVisible);
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this, showView](bool visible) {
        showView->setChecked(m_dock->isVisible());
        if (visible)
            m_view->refresh();
    });
    connect(exportCode, &QAction::triggered, this, &CodeCommands::exportCode);
    connect(&editor.undoStack(), &QUndoStack::indexChanged, this, [this] {
        if (m_dock->isVisible())
            m_view->chartEdited();
    });
    connect(&project, &Project::projectReplaced, this, &CodeCommands::chartReplaced);
    connect(&project.context(), &ModelContext::selectionChanged, this, &CodeCommands::showSelection);
    connect(m_view, &CodeView::blockClicked, this, &CodeCommands::selectBlock);
}

// A call brings in another chart and its return brings the caller back: the code stays the main
// chart's. A chart opened by the user is new code.
void CodeCommands::chartReplaced()
{
    if (!m_run.runInProgress() && m_dock->isVisible())
        m_view->refresh();
}

void CodeCommands::showRunBlock(const cBlock *block)
{
    if (m_dock->isVisible())
        m_view->markBlock(m_project.projectPath(), block ? block->TagID() : QString());
}

void CodeCommands::showSelection()
{
    if (m_run.runInProgress() || !m_dock->isVisible())
        return;
    const cBlock *block = m_editor.operations().blockAt(m_project.context().selectedIndex());
    m_view->markBlock(m_project.projectPath(), block ? block->TagID() : QString());
}

void CodeCommands::selectBlock(const QString &tag)
{
    if (m_run.runInProgress())
        return;
    const cBlock *block = m_project.theBlockCollection().item(tag);
    if (block && block->hasElement())
        m_editor.operations().pressBlock(block->theObjectShape());
}

void CodeCommands::exportCode()
{
    CodeExportDialog dialog(EditedChart::of(m_project), &m_window);
    dialog.exec();
}
