#include "ui/run/DebugOverlay.h"

#include "base/tranLng.h"
#include "interp/Breakpoints.h"
#include "interp/Debugger.h"
#include "interp/VariableStore.h"
#include "model/cLine.h"
#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "render/LineItem.h"

DebugOverlay::DebugOverlay(ChartScene &scene, Project &project, Debugger &debugger, Breakpoints &breakpoints,
                           QObject *parent)
    : QObject(parent), m_scene(scene), m_project(project), m_debugger(debugger), m_breakpoints(breakpoints)
{
    m_runTimer.setInterval(250);
    connect(&m_runTimer, &QTimer::timeout, this, &DebugOverlay::refresh);
    connect(&scene, &ChartScene::rebuilt, this, &DebugOverlay::refreshSoon);
    connect(&scene, &ChartScene::chartGeometryChanged, this, &DebugOverlay::refreshSoon);
    connect(&breakpoints, &Breakpoints::changed, this, &DebugOverlay::refresh);
    connect(&debugger, &Debugger::recordsChanged, this, &DebugOverlay::refreshSoon);
}

void DebugOverlay::setCountsShown(bool shown)
{
    m_countsShown = shown;
    refresh();
}

void DebugOverlay::setRunning(bool running)
{
    if (running && m_countsShown)
        m_runTimer.start();
    else
        m_runTimer.stop();
    refresh();
}

// After the scene has made its items for the model's change.
void DebugOverlay::refreshSoon()
{
    QMetaObject::invokeMethod(this, &DebugOverlay::refresh, Qt::QueuedConnection);
}

void DebugOverlay::refresh()
{
    markBlocks(Breakpoints::chartKey(m_project.projectPath()));
    markLines();
}

void DebugOverlay::markBlocks(const QString &chartKey)
{
    const QString &path = m_project.projectPath();
    for (const auto &block : m_project.theBlockCollection()) {
        BlockItem *item = m_scene.blockItem(block->theObjectShape());
        if (!item)
            continue;
        BlockItem::DebugMark mark;
        mark.breakpoint = m_breakpoints.has(chartKey, block->TagID());
        if (m_countsShown) {
            const BlockRecord *record = m_debugger.recordOf(path, block->TagID());
            mark.count = record ? qint64(record->count) : 0;
        }
        item->setDebugMark(mark);
    }
}

// A condition's lines carry how often each was taken: EVET the first, HAYIR the other.
void DebugOverlay::markLines()
{
    const QString &path = m_project.projectPath();
    for (const auto &line : m_project.theLineCollection()) {
        LineItem *item = m_scene.lineItem(line->theObjectLine());
        if (!item)
            continue;
        QString text;
        const BlockRecord *from = m_countsShown ? m_debugger.recordOf(path, line->sFrom()) : nullptr;
        const cBlock *source = m_project.theBlockCollection().item(line->sFrom());
        if (m_countsShown && source && source->actionCode() >= ActionCode::IfEqual
            && source->actionCode() <= ActionCode::IfGreaterEqual) {
            // Captions pair the way the run pairs them.
            const QString caption = VariableStore::fold(line->sCaption());
            if (caption == VariableStore::fold(tranLng(QStringLiteral("YES"))))
                text = QString::number(from ? from->yes : 0) + QStringLiteral("×");
            else if (caption == VariableStore::fold(tranLng(QStringLiteral("NO"))))
                text = QString::number(from ? from->no : 0) + QStringLiteral("×");
        }
        item->setCountText(text);
    }
}
