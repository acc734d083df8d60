#pragma once

#include <QObject>
#include <QString>

class ExercisePanel;
class Project;
class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QUndoStack;
class RunControl;

// "Dosya > Alıştırma Aç...", "Kontrol Et", "Alıştırma Düzenleyici..." and the exercises under
// "Örnekler": the exercise is shown in a dock beside the chart; editing the chart calls a
// check off.
class ExerciseCommands : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction *open;
        QAction *check;
        QAction *editor;
        QMenu *examples; // the shipped exercises are added at its end
    };

    ExerciseCommands(QMainWindow &window, Project &project, QUndoStack &undo, RunControl &run,
                     const Actions &actions, const QString &exercisesFolder);

    ExercisePanel *panel() const { return m_panel; }
    QDockWidget *dock() const { return m_dock; }
    // Reads the exercise and shows it; false after telling why it could not be read.
    bool openExercise(const QString &path);

private:
    void askAndOpen();
    void openEditor();
    void check();
    void addShippedExercises(QMenu *examples, const QString &folder);

    QMainWindow &m_window;
    Project &m_project;
    ExercisePanel *m_panel;
    QDockWidget *m_dock;
    QAction *m_check;
};
