#include "ui/run/RunMenuCommands.h"

#include "interp/RunControl.h"
#include "ui/run/RunControlPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QScrollBar>
#include <QToolButton>

RunMenuCommands::RunMenuCommands(RunControl &run, RunControlPanel &panel, const Actions &actions, QObject *parent)
    : QObject(parent), m_run(run), m_panel(panel), m_actions(actions)
{
    m_actions.pause->setCheckable(true);
    auto *delays = new QActionGroup(this);
    for (QAction *action : {m_actions.fast, m_actions.slow, m_actions.stepMode}) {
        action->setCheckable(true);
        delays->addAction(action);
    }
    // Through the buttons, so that a menu entry is exactly a press of its button.
    connect(m_actions.run, &QAction::triggered, panel.cmdRun, &QToolButton::pressed);
    connect(m_actions.stop, &QAction::triggered, panel.cmdStop, &QToolButton::pressed);
    connect(m_actions.pause, &QAction::triggered, panel.chkPause, [this] { m_panel.chkPause->click(); });
    connect(m_actions.nextStep, &QAction::triggered, panel.cmdNextStep, [this] { m_panel.cmdNextStep->click(); });
    connect(m_actions.fast, &QAction::triggered, this, [this] { m_panel.scroll_ExecutionDelay->setValue(0); });
    connect(m_actions.slow, &QAction::triggered, this, [this] { m_panel.scroll_ExecutionDelay->setValue(SlowDelay); });
    connect(m_actions.stepMode, &QAction::triggered, this,
            [this] { m_panel.scroll_ExecutionDelay->setValue(RunControl::DelayMaximum); });
    connect(&run, &RunControl::controlsChanged, this, &RunMenuCommands::mirror);
    mirror();
}

void RunMenuCommands::mirror()
{
    m_actions.run->setEnabled(m_run.runEnabled());
    m_actions.stop->setEnabled(m_run.runInProgress());
    m_actions.pause->setEnabled(m_run.pauseEnabled());
    m_actions.pause->setChecked(m_run.pauseChecked());
    m_actions.nextStep->setEnabled(m_run.nextStepEnabled());
    const bool delayFree = m_run.delayEnabled();
    m_actions.fast->setEnabled(delayFree && m_run.delayMinimum() == 0);
    m_actions.slow->setEnabled(delayFree);
    m_actions.stepMode->setEnabled(delayFree);
    m_actions.fast->setChecked(m_run.delay() == 0);
    m_actions.slow->setChecked(m_run.delay() == SlowDelay);
    m_actions.stepMode->setChecked(m_run.stepMode());
}
