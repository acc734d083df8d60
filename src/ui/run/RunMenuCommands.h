#pragma once

#include <QObject>

class QAction;
class RunControl;
class RunControlPanel;

// The "Çalıştır" menu's run entries: they do what the run buttons do, and mirror the buttons'
// state (enabled, checked, the delay chosen).
class RunMenuCommands : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction *run;
        QAction *stop;
        QAction *pause;
        QAction *nextStep;
        QAction *fast;     // delay 0
        QAction *slow;     // delay 500
        QAction *stepMode; // one block per "Sonraki Adım"
    };

    RunMenuCommands(RunControl &run, RunControlPanel &panel, const Actions &actions, QObject *parent = nullptr);

    // The delay the slow entry chooses.
    static constexpr int SlowDelay = 500;

private:
    void mirror();

    RunControl &m_run;
    RunControlPanel &m_panel;
    Actions m_actions;
};
