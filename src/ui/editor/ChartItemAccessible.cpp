#include "ui/editor/ChartItemAccessible.h"

#include "model/Line_Collection.h"
#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/LineItem.h"
#include "ui/editor/ChartDescriptions.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QWidget>

ChartItemAccessible::ChartItemAccessible(ChartEditor *editor, DrawingSurface *surface, bool isLine, qint16 element)
    : m_editor(editor), m_surface(surface), m_isLine(isLine), m_element(element)
{
}

bool ChartItemAccessible::isValid() const
{
    if (!m_editor || !m_surface)
        return false;
    const ChartScene &scene = m_editor->scene();
    return m_isLine ? scene.lineItem(m_element) != nullptr : scene.blockItem(m_element) != nullptr;
}

QWindow *ChartItemAccessible::window() const
{
    return m_surface ? m_surface->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ChartItemAccessible::parent() const
{
    return m_surface ? QAccessible::queryAccessibleInterface(m_surface.data()) : nullptr;
}

QString ChartItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description))
        return QString();
    Project &project = m_editor->project();
    const ChartDescriptions describe(project.theBlockCollection(), project.theLineCollection());
    const bool name = t == QAccessible::Name;
    if (!m_isLine) {
        const cBlock *block = m_editor->operations().blockAt(m_element);
        return !block ? QString() : name ? describe.nameOf(*block) : describe.descriptionOf(*block);
    }
    for (const auto &line : project.theLineCollection()) {
        if (line->theObjectLine() == m_element)
            return name ? describe.nameOf(*line) : describe.descriptionOf(*line);
    }
    return QString();
}

QRectF ChartItemAccessible::sceneRect() const
{
    const ChartScene &scene = m_editor->scene();
    const QGraphicsItem *item = m_isLine ? static_cast<const QGraphicsItem *>(scene.lineItem(m_element))
                                         : static_cast<const QGraphicsItem *>(scene.blockItem(m_element));
    return item ? item->sceneBoundingRect() : QRectF();
}

QRect ChartItemAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect inView = m_surface->mapFromScene(sceneRect()).boundingRect();
    return QRect(m_surface->viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

QAccessible::State ChartItemAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selected = m_isLine ? m_editor->selectedLine() == m_element : m_editor->selectedBlocks().contains(m_element);
    state.focused = state.selected && m_surface->hasFocus();
    state.invisible = !m_surface->viewport()->rect().intersects(m_surface->mapFromScene(sceneRect()).boundingRect());
    return state;
}
