#include "ui/main/DebugCommands.h"

#include "base/MessageLog.h"
#include "interp/BreakpointCondition.h"
#include "interp/ExecutionCounts.h"
#include "interp/RunControl.h"
#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/main/frmMain.h"
#include "ui/run/DebugOverlay.h"
#include "ui/runwin/StackModel.h"
#include "ui/runwin/VariablesModel.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>

namespace {

const QString countsKey = QStringLiteral("debugger/counts");

} // namespace

DebugCommands::DebugCommands(frmMain &window, const MainActions::Run &actions, QObject *parent)
    : QObject(parent), m_window(window), m_actions(actions)
{
    QSettings settings;
    m_breakpoints.load(settings);
    Debugger &debugger = window.runtime().run.debugger();
    debugger.setBreakpoints(&m_breakpoints);
    m_overlay = std::make_unique<DebugOverlay>(window.editor()->scene(), window.project(), debugger, m_breakpoints);
    connect(&m_breakpoints, &Breakpoints::changed, this, &DebugCommands::save);
    m_actions.counts->setCheckable(true);
    m_actions.counts->setChecked(settings.value(countsKey, false).toBool());
    debugger.setCountsOn(m_actions.counts->isChecked());
    m_overlay->setCountsShown(m_actions.counts->isChecked());
    window.surface()->viewport()->installEventFilter(this);
    connectActions();
    connectRun();
    mirrorRun();
}

DebugCommands::~DebugCommands() = default;

void DebugCommands::connectActions()
{
    RunControl &run = m_window.runtime().run;
    connect(m_actions.toggleBreakpoint, &QAction::triggered, this, [this] {
        if (const cBlock *block = selectedBlock())
            toggleBreakpoint(*block);
    });
    connect(m_actions.breakpointCondition, &QAction::triggered, this, [this] {
        if (const cBlock *block = selectedBlock())
            editCondition(*block);
    });
    connect(m_actions.runToHere, &QAction::triggered, this, [this] {
        if (const cBlock *block = selectedBlock())
            runToHere(*block);
    });
    connect(m_actions.clearBreakpoints, &QAction::triggered, &m_breakpoints, &Breakpoints::clear);
    connect(m_actions.stepInto, &QAction::triggered, &run, &RunControl::stepInto);
    connect(m_actions.stepOver, &QAction::triggered, &run, &RunControl::stepOver);
    connect(m_actions.stepOut, &QAction::triggered, &run, &RunControl::stepOut);
    connect(m_actions.stepBack, &QAction::triggered, &run, &RunControl::stepBack);
    connect(m_actions.counts, &QAction::toggled, this, [this](bool on) {
        m_window.runtime().run.debugger().setCountsOn(on);
        m_overlay->setCountsShown(on);
        m_overlay->setRunning(m_window.runtime().run.runInProgress());
        QSettings().setValue(countsKey, on);
    });
}

void DebugCommands::connectRun()
{
    RunControl &run = m_window.runtime().run;
    connect(&run, &RunControl::controlsChanged, this, &DebugCommands::mirrorRun);
    connect(&run, &RunControl::runStarted, this, [this] {
        prepareRunWindows();
        m_overlay->setRunning(true);
    });
    connect(&run, &RunControl::runEnded, this, [this] { m_overlay->setRunning(false); });
    connect(&run, &RunControl::statusMessage, this, [this](const MessageText &text) {
        m_window.statusBar()->showMessage(text.translated(), 5000);
    });
    connect(&run, &RunControl::runFailedAt, this, &DebugCommands::showFailedBlock);
}

// The variables grid highlights what changed since the run last went on, and may be edited
// while it is paused; the stack names each call's chart.
void DebugCommands::prepareRunWindows()
{
    frmVars *vars = m_window.vars();
    vars->grid()->setEditTriggers(QAbstractItemView::DoubleClicked);
    vars->model()->takeBaseline();
    Project &project = m_window.project();
    m_window.stack()->model()->setCurrentChart([&project] { return project.projectFileName(); });
    m_wasPaused = false;
}

void DebugCommands::mirrorRun()
{
    const RunControl &run = m_window.runtime().run;
    const bool paused = run.canStep();
    for (QAction *action : {m_actions.stepInto, m_actions.stepOver, m_actions.stepOut, m_actions.stepBack})
        action->setEnabled(paused);
    m_actions.runToHere->setEnabled(!run.runInProgress() || paused);
    if (paused != m_wasPaused && run.runInProgress()) {
        VariablesModel *model = m_window.vars()->model();
        model->setEditable(paused);
        if (!paused)
            model->takeBaseline(); // changes are shown since the run last went on
        model->refresh();
        m_overlay->refresh();
    }
    m_wasPaused = paused && run.runInProgress();
}

void DebugCommands::save()
{
    QSettings settings;
    m_breakpoints.save(settings);
}

QString DebugCommands::chartKey() const
{
    return Breakpoints::chartKey(m_window.project().projectPath());
}

const cBlock *DebugCommands::selectedBlock() const
{
    const qint16 element = m_window.project().context().selectedIndex();
    if (element <= 0)
        return nullptr;
    for (const auto &block : m_window.project().theBlockCollection()) {
        if (block->theObjectShape() == element)
            return block.get();
    }
    return nullptr;
}

void DebugCommands::toggleBreakpoint(const cBlock &block)
{
    m_breakpoints.toggle(chartKey(), block.TagID());
}

void DebugCommands::editCondition(const cBlock &block)
{
    const QString key = chartKey();
    QInputDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("dlgBreakpointCondition")); // F1 finds its handbook section by the name
    dialog.setWindowTitle(tr("Kesme Noktası Koşulu"));
    dialog.setLabelText(tr("Blok %1 yalnızca bu koşul doğruysa durdursun (örneğin i = 50; "
                           "boş: her zaman):")
                            .arg(block.TagID()));
    dialog.setTextValue(m_breakpoints.condition(key, block.TagID()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString text = dialog.textValue();
    if (!BreakpointCondition(text).isValid()) {
        QMessageBox::warning(&m_window, tr("Kesme Noktası Koşulu"), BreakpointCondition::unreadable(text).translated());
        return;
    }
    m_breakpoints.set(key, block.TagID(), text);
}

void DebugCommands::runToHere(const cBlock &block)
{
    m_window.runtime().run.runToBlock(m_window.project().projectPath(), block.TagID());
}

const cBlock *DebugCommands::blockAt(const QPoint &viewportPos, QPointF *local) const
{
    DrawingSurface *surface = m_window.surface();
    for (QGraphicsItem *item : surface->items(viewportPos)) {
        auto *blockItem = qgraphicsitem_cast<BlockItem *>(item);
        if (!blockItem)
            continue;
        if (local)
            *local = blockItem->mapFromScene(surface->mapToScene(viewportPos));
        for (const auto &block : m_window.project().theBlockCollection()) {
            if (block->theObjectShape() == blockItem->element())
                return block.get();
        }
    }
    return nullptr;
}

// A click in the top-left corner of the selected block toggles its breakpoint; a right click
// offers the debugger's entries for the block.
bool DebugCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QPointF local;
        const cBlock *block = mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier
            ? blockAt(mouse->position().toPoint(), &local)
            : nullptr;
        // Only on a block already selected, and the press goes on to the editor: a click that
        // selects or drags a block never sets a breakpoint by the way.
        if (block && BlockItem::breakpointCorner().contains(local)
            && block->theObjectShape() == m_window.project().context().selectedIndex())
            toggleBreakpoint(*block);
    } else if (event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (const cBlock *block = blockAt(menuEvent->pos())) {
            showBlockMenu(*block, menuEvent->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void DebugCommands::showBlockMenu(const cBlock &block, const QPoint &globalPos)
{
    const QString tag = block.TagID();
    QMenu menu(&m_window);
    menu.setObjectName(QStringLiteral("blockDebugMenu"));
    // The block is found again by its tag: a run may replace the drawing while the menu is open.
    auto act = [this, tag](void (DebugCommands::*command)(const cBlock &)) {
        if (const cBlock *found = m_window.project().theBlockCollection().item(tag))
            (this->*command)(*found);
    };
    menu.addAction(m_actions.toggleBreakpoint->text(), this, [act] { act(&DebugCommands::toggleBreakpoint); });
    menu.addAction(m_actions.breakpointCondition->text(), this, [act] { act(&DebugCommands::editCondition); });
    QAction *here = menu.addAction(m_actions.runToHere->text(), this, [act] { act(&DebugCommands::runToHere); });
    here->setEnabled(m_actions.runToHere->isEnabled());
    menu.exec(globalPos);
}

// The failed block is selected and brought into sight, and named under the error's message.
void DebugCommands::showFailedBlock(const QString &tag, const QString &caption)
{
    m_window.log().mBox(
        MessageText::of(QT_TRANSLATE_NOOP("Message", "Blok %1: %2"), {tag, MessageText::chartWord(caption)}));
    const cBlock *block = m_window.project().theBlockCollection().item(tag);
    if (!block || !block->hasElement())
        return;
    if (BlockItem *item = m_window.editor()->scene().blockItem(block->theObjectShape()))
        m_window.surface()->ensureVisible(item);
}
