#include "ui/editor/EditorKeyboard.h"

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "project/Project.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QKeyEvent>
#include <QMenu>
#include <QSet>

EditorKeyboard::EditorKeyboard(ChartEditor &editor, DrawingSurface &surface, QVector<Kind> kinds)
    : QObject(&editor),
      m_editor(editor),
      m_surface(surface),
      m_kinds(std::move(kinds)),
      m_chooser([this](const QVector<Kind> &) { return chooseKind(); })
{
    surface.setFocusPolicy(Qt::StrongFocus);
    surface.installEventFilter(this);
}

bool EditorKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    // Tab reaches the filter before the widget would move the focus on.
    if (watched == &m_surface && event->type() == QEvent::KeyPress && !m_editor.running())
        return handleKey(*static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool EditorKeyboard::handleKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key();
    const bool arrow = code == Qt::Key_Up || code == Qt::Key_Down || code == Qt::Key_Left || code == Qt::Key_Right;
    if (arrow && mods == Qt::ControlModifier) {
        const int g = ChartEditor::gridStep;
        m_editor.moveSelectionBy(code == Qt::Key_Left ? -g : code == Qt::Key_Right ? g : 0,
                                 code == Qt::Key_Up ? -g : code == Qt::Key_Down ? g : 0);
        return true;
    }
    if (code == Qt::Key_Backtab || (code == Qt::Key_Tab && mods == Qt::ShiftModifier)) {
        step(-1);
        return true;
    }
    if (mods != Qt::NoModifier)
        return false;
    if (code == Qt::Key_Tab)
        step(1);
    else if (arrow)
        follow(code);
    else if (code == Qt::Key_Return || code == Qt::Key_Enter)
        Q_EMIT m_editor.editRequested();
    else if (code == Qt::Key_Insert)
        insertBlock();
    else
        return false;
    return true;
}

QVector<qint16> EditorKeyboard::flowOrder() const
{
    const Project &project = m_editor.project();
    const Block_Collection &blocks = project.theBlockCollection();
    const Line_Collection &lines = project.theLineCollection();
    QVector<qint16> order;
    QSet<const cBlock *> seen;
    // Depth first from the start block, a block's lines in collection order (a condition's
    // EVET branch before its HAYIR branch), with a stack of our own.
    QVector<const cBlock *> pending;
    if (const cBlock *start = blocks.firstWithAction(QStringLiteral("START")))
        pending.append(start);
    while (!pending.isEmpty()) {
        const cBlock *block = pending.takeLast();
        if (!block || seen.contains(block) || !block->hasElement())
            continue;
        seen.insert(block);
        order.append(block->theObjectShape());
        const QVector<cLine *> &out = lines.outgoing(block->TagID());
        for (auto line = out.crbegin(); line != out.crend(); ++line)
            pending.append(blocks.item((*line)->sTo()));
    }
    for (const auto &block : blocks) {
        if (block->hasElement() && !seen.contains(block.get()))
            order.append(block->theObjectShape());
    }
    return order;
}

void EditorKeyboard::select(qint16 element)
{
    if (element == -1)
        return;
    m_editor.selectBlocks({element});
    m_editor.keepSelectionInSight();
}

void EditorKeyboard::step(int by)
{
    const QVector<qint16> order = flowOrder();
    if (order.isEmpty())
        return;
    const qsizetype at = order.indexOf(m_editor.project().context().selectedIndex());
    const qsizetype size = order.size();
    const qsizetype next = at < 0 ? (by > 0 ? 0 : size - 1) : ((at + by) % size + size) % size;
    select(order[next]);
}

void EditorKeyboard::follow(int key)
{
    const Project &project = m_editor.project();
    const cBlock *block = m_editor.operations().blockAt(project.context().selectedIndex());
    if (!block) {
        step(1);
        return;
    }
    const Block_Collection &blocks = project.theBlockCollection();
    const Line_Collection &lines = project.theLineCollection();
    QVector<const cBlock *> targets;
    if (key == Qt::Key_Up) {
        for (const auto &line : lines)
            if (line->sTo() == block->TagID())
                targets.append(blocks.item(line->sFrom()));
    } else {
        for (const cLine *line : lines.outgoing(block->TagID()))
            targets.append(blocks.item(line->sTo()));
    }
    targets.removeAll(nullptr);
    if (targets.isEmpty())
        return;
    const cBlock *chosen = targets.first();
    // Left and right pick by where the targets lie: a condition's branches side by side.
    for (const cBlock *target : targets) {
        if ((key == Qt::Key_Left && target->shapeLeft() < chosen->shapeLeft())
            || (key == Qt::Key_Right && target->shapeLeft() > chosen->shapeLeft()))
            chosen = target;
    }
    select(chosen->theObjectShape());
}

void EditorKeyboard::insertBlock()
{
    const QString word = m_chooser ? m_chooser(m_kinds) : QString();
    if (!word.isEmpty())
        m_editor.addAfterSelected(word);
}

QString EditorKeyboard::chooseKind() const
{
    QMenu menu(&m_surface);
    menu.setObjectName(QStringLiteral("mnuInsertKinds"));
    for (const Kind &kind : m_kinds)
        menu.addAction(kind.second)->setData(kind.first);
    const cBlock *block = m_editor.operations().blockAt(m_editor.project().context().selectedIndex());
    const QPoint at = block ? m_surface.mapFromScene(QPointF(block->shapeLeft(), block->shapeTop() + block->shapeHeight()))
                            : QPoint(20, 20);
    const QAction *chosen = menu.exec(m_surface.viewport()->mapToGlobal(at));
    return chosen ? chosen->data().toString() : QString();
}
