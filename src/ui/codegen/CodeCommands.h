#pragma once

#include <QObject>

class ChartEditor;
class CodeView;
class Project;
class QAction;
class QDockWidget;
class QMainWindow;
class RunControl;
class cBlock;

// "Dosya > Kod Olarak Dışa Aktar..." and the "Kod" dock: the dock follows the chart's edits,
// marks the selected block and, during a run, the current one; a click on its code selects the
// block the line comes from.
class CodeCommands : public QObject {
    Q_OBJECT
public:
    // showView is checkable and follows the dock's visibility.
    CodeCommands(QMainWindow &window, Project &project, ChartEditor &editor, RunControl &run, QAction *exportCode,
                 QAction *showView);

    CodeView *view() const { return m_view; }
    QDockWidget *dock() const { return m_dock; }
    // The run has reached this block (of the chart on show).
    void showRunBlock(const cBlock *block);

private:
    void exportCode();
    void showSelection();
    void selectBlock(const QString &tag);
    void chartReplaced();

    QMainWindow &m_window;
    Project &m_project;
    ChartEditor &m_editor;
    RunControl &m_run;
    CodeView *m_view;
    QDockWidget *m_dock;
};
