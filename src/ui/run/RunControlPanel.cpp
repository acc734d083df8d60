#include "ui/run/RunControlPanel.h"

#include "interp/RunControl.h"
#include "project/Project.h"
#include "ui/run/RunGlyphs.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

using Glyph = RunGlyphs::Glyph;

QToolButton *glyphButton(QWidget *parent, const char *name, Glyph glyph, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(RunGlyphs::icon(glyph));
    button->setIconSize(QSize(RunGlyphs::side, RunGlyphs::side));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

RunControlPanel::RunControlPanel(RunControl &run, Project &project, QWidget *parent)
    : QFrame(parent), m_run(run), m_project(project)
{
    setObjectName(QStringLiteral("fraRunControl"));
    buildButtons();
    connectControls();
    mirror();
}

void RunControlPanel::buildButtons()
{
    cmdRun = glyphButton(this, "cmdRun", Glyph::Run, tr("Çalıştır"));
    cmdStop = glyphButton(this, "cmdStop", Glyph::Stop, tr("Durdur"));
    chkPause = glyphButton(this, "chkPause", Glyph::Pause, tr("Duraklat"));
    chkPause->setCheckable(true);
    cmdNextStep = glyphButton(this, "cmdNextStep", Glyph::Step, tr("Sonraki Adım"));
    scroll_ExecutionDelay = new QScrollBar(Qt::Horizontal, this);
    scroll_ExecutionDelay->setObjectName(QStringLiteral("scroll_ExecutionDelay"));
    scroll_ExecutionDelay->setRange(0, RunControl::DelayMaximum);
    scroll_ExecutionDelay->setPageStep(100);
    scroll_ExecutionDelay->setMinimumWidth(140);
    scroll_ExecutionDelay->setFocusPolicy(Qt::NoFocus);
    lblDelay = new QLabel(this);
    lblDelay->setObjectName(QStringLiteral("lblDelay"));
    lblDelay->setMinimumWidth(fontMetrics().horizontalAdvance(tr("gecikme") + QStringLiteral(":2000")) + 4);
    cmdScreen = new QPushButton(tr("Ekran"), this);
    cmdScreen->setObjectName(QStringLiteral("cmdScreen"));
    cmdStack = new QPushButton(tr("Yığın"), this);
    cmdStack->setObjectName(QStringLiteral("cmdStack"));
    cmdVars = new QPushButton(tr("Değişkenler"), this);
    cmdVars->setObjectName(QStringLiteral("cmdVars"));
    for (QPushButton *button : {cmdScreen, cmdStack, cmdVars})
        button->setFocusPolicy(Qt::NoFocus);
    chk_LOAD_GUI = new QCheckBox(tr("Load GUI"), this);
    chk_LOAD_GUI->setObjectName(QStringLiteral("chk_LOAD_GUI"));
    chk_LOAD_GUI->setChecked(m_project.trackCurrentBlock());
    chk_LOAD_GUI->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);
    for (QWidget *w : {static_cast<QWidget *>(cmdRun), static_cast<QWidget *>(cmdStop),
                       static_cast<QWidget *>(chkPause), static_cast<QWidget *>(cmdNextStep)})
        layout->addWidget(w);
    layout->addSpacing(8);
    layout->addWidget(scroll_ExecutionDelay);
    layout->addWidget(lblDelay);
    layout->addSpacing(8);
    layout->addWidget(cmdScreen);
    layout->addWidget(cmdStack);
    layout->addWidget(cmdVars);
    layout->addWidget(chk_LOAD_GUI);
    layout->addStretch(1);
}

void RunControlPanel::connectControls()
{
    // The run starts from the event loop, not inside the press: a fast run processes events
    // itself, and the press should be over by then.
    connect(cmdRun, &QToolButton::pressed, &m_run, &RunControl::cmdRun_ClickP, Qt::QueuedConnection);
    connect(cmdStop, &QToolButton::pressed, &m_run, &RunControl::cmdStop_MouseDown);
    connect(chkPause, &QToolButton::clicked, &m_run, &RunControl::setPauseChecked);
    connect(cmdNextStep, &QToolButton::clicked, &m_run, &RunControl::cmdNextStep_Click);
    connect(scroll_ExecutionDelay, &QScrollBar::valueChanged, &m_run, &RunControl::setDelay);
    connect(cmdScreen, &QPushButton::clicked, this, &RunControlPanel::screenRequested);
    connect(cmdStack, &QPushButton::pressed, this, &RunControlPanel::stackRequested);
    connect(cmdVars, &QPushButton::pressed, this, &RunControlPanel::varsRequested);
    connect(chk_LOAD_GUI, &QCheckBox::toggled, this, [this](bool on) { m_project.setTrackCurrentBlock(on); });
    connect(&m_run, &RunControl::controlsChanged, this, &RunControlPanel::mirror);
}

void RunControlPanel::mirror()
{
    cmdRun->setEnabled(m_run.runEnabled());
    chkPause->setEnabled(m_run.pauseEnabled());
    chkPause->setChecked(m_run.pauseChecked());
    cmdNextStep->setEnabled(m_run.nextStepEnabled());
    const QSignalBlocker blocker(scroll_ExecutionDelay);
    scroll_ExecutionDelay->setMinimum(m_run.delayMinimum());
    scroll_ExecutionDelay->setValue(m_run.delay());
    scroll_ExecutionDelay->setEnabled(m_run.delayEnabled());
    // The run's label starts with the Turkish word, which the interface's language replaces.
    const QString label = m_run.delayLabel();
    lblDelay->setText(tr("gecikme") + label.mid(label.indexOf(u':')));
}

void RunControlPanel::addCommandButtons(const QList<QAction *> &actions)
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    int at = row->indexOf(cmdNextStep) + 1;
    for (QAction *action : actions) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("button_") + action->objectName());
        button->setDefaultAction(action);
        // A command with a picture shows only the picture, as the run buttons do: the row
        // must fit beside a docked console. Its name is in the tip and the menu.
        button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
        button->setIconSize(QSize(RunGlyphs::side, RunGlyphs::side));
        button->setFocusPolicy(Qt::NoFocus);
        row->insertWidget(at++, button);
    }
}
