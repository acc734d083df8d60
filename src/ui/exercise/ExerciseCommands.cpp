#include "ui/exercise/ExerciseCommands.h"

#include "exercise/EditedChart.h"
#include "exercise/ExerciseReader.h"
#include "interp/RunControl.h"
#include "project/Project.h"
#include "ui/exercise/ExerciseEditorDialog.h"
#include "ui/exercise/ExercisePanel.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QUndoStack>

ExerciseCommands::ExerciseCommands(QMainWindow &window, Project &project, QUndoStack &undo, RunControl &run,
                                   const Actions &actions, const QString &exercisesFolder)
    : QObject(&window), m_window(window), m_project(project), m_panel(new ExercisePanel),
      m_dock(new QDockWidget(tr("Alıştırma"), &window)), m_check(actions.check)
{
    m_dock->setObjectName(QStringLiteral("exerciseDock"));
    m_dock->setWidget(m_panel);
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    m_panel->setChartSource([this] { return EditedChart::of(m_project); });
    m_check->setEnabled(false);

    connect(actions.open, &QAction::triggered, this, &ExerciseCommands::askAndOpen);
    connect(actions.check, &QAction::triggered, this, &ExerciseCommands::check);
    connect(actions.editor, &QAction::triggered, this, &ExerciseCommands::openEditor);
    connect(&undo, &QUndoStack::indexChanged, m_panel, &ExercisePanel::chartEdited);
    // Another chart opened is a change too; the charts a run's calls bring in are not.
    connect(&project, &Project::projectReplaced, m_panel, [this, &run] {
        if (!run.runInProgress())
            m_panel->chartEdited();
    });
    if (actions.examples)
        addShippedExercises(actions.examples, exercisesFolder);
}

bool ExerciseCommands::openExercise(const QString &path)
{
    ExerciseReader reader;
    const std::optional<Exercise> exercise = reader.readFile(path);
    if (!exercise) {
        QMessageBox::warning(&m_window, Project::baseTitle(), QStringLiteral("Alıştırma açılamadı:") + u'\n' + reader.message());
        return false;
    }
    m_panel->setExercise(*exercise, path);
    m_check->setEnabled(true);
    m_dock->show();
    m_dock->raise();
    return true;
}

void ExerciseCommands::askAndOpen()
{
    const QString folder = m_panel->exercisePath().isEmpty()
        ? (m_project.projectPath().isEmpty() ? QString() : QFileInfo(m_project.projectPath()).absolutePath())
        : QFileInfo(m_panel->exercisePath()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(&m_window, tr("Alıştırma Aç"), folder,
                                                      tr("Varnel Alıştırmaları (*.vnx)"));
    if (!path.isEmpty())
        openExercise(path);
}

void ExerciseCommands::check()
{
    if (!m_panel->exercise())
        return;
    m_dock->show();
    m_panel->check();
}

void ExerciseCommands::openEditor()
{
    ExerciseEditorDialog dialog(&m_window);
    if (m_panel->exercise())
        dialog.setExercise(*m_panel->exercise(), m_panel->exercisePath());
    if (dialog.exec() == QDialog::Accepted)
        openExercise(dialog.path());
}

// The exercises that ship with the program, by title; their reference solutions stay unlisted.
void ExerciseCommands::addShippedExercises(QMenu *examples, const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.vnx")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return;
    examples->addSection(tr("Alıştırmalar"));
    for (const QFileInfo &file : files) {
        ExerciseReader reader;
        const std::optional<Exercise> exercise = reader.readFile(file.absoluteFilePath());
        if (!exercise)
            continue;
        QAction *entry = examples->addAction(tr("%1 (alıştırma)").arg(exercise->title));
        entry->setObjectName(QStringLiteral("mnuExampleExercise"));
        entry->setToolTip(tr("Alıştırmayı şemanın yanında açar"));
        const QString path = file.absoluteFilePath();
        connect(entry, &QAction::triggered, this, [this, path] { openExercise(path); });
    }
}
