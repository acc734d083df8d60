#include "ui/main/LayoutCommand.h"

#include "model/ChartLayout.h"
#include "project/Project.h"
#include "ui/editor/ChartEditor.h"

#include <QAction>

LayoutCommand::LayoutCommand(Project &project, ChartEditor &editor, MessageLog &log, QAction *action, QObject *parent)
    : QObject(parent), m_project(project), m_editor(editor), m_log(log)
{
    connect(action, &QAction::triggered, this, &LayoutCommand::run);
}

void LayoutCommand::run()
{
    m_editor.apply(tr("Otomatik Yerleştir"), [this](EditOperations &) {
        return ChartLayout(m_project.context(), m_project.theBlockCollection(), m_project.theLineCollection(), &m_log)
            .arrange();
    });
    m_editor.refreshSelector();
}
