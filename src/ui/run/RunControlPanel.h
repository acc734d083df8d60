#pragma once

#include <QFrame>

class Project;
class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;
class RunControl;

// The run controls of the main window: run, stop, pause, next step, the delay bar with its
// label, the buttons that show the console, stack and variables windows, and the hidden
// "Load GUI" option. They forward presses to run control and mirror its state.
class RunControlPanel : public QFrame {
    Q_OBJECT
public:
    RunControlPanel(RunControl &run, Project &project, QWidget *parent = nullptr);

    // Buttons for these commands after the next-step button (the debugger's steps), each
    // showing its action's icon or text, tool tip and state.
    void addCommandButtons(const QList<QAction *> &actions);

    QToolButton *cmdRun;
    QToolButton *cmdStop;
    QToolButton *chkPause;
    QToolButton *cmdNextStep;
    QScrollBar *scroll_ExecutionDelay;
    QLabel *lblDelay;
    QPushButton *cmdScreen;
    QPushButton *cmdStack;
    QPushButton *cmdVars;
    QCheckBox *chk_LOAD_GUI;

Q_SIGNALS:
    void screenRequested();
    void stackRequested();
    void varsRequested();

private:
    void buildButtons();
    void connectControls();
    void mirror();

    RunControl &m_run;
    Project &m_project;
};
