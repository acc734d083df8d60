#include "ui/editor/DrawingSurface.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMouseEvent>

DrawingSurface::DrawingSurface(QWidget *parent)
    : QGraphicsView(parent),
      m_scene(new QGraphicsScene(this)),
      m_selector(new QGraphicsRectItem)
{
    setObjectName(QStringLiteral("drawingSurface"));
    setScene(m_scene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(palette().base());
    setFocusPolicy(Qt::NoFocus); // typed keys go on to the main window and the console
    setMinimumSize(200, 150);
    QPen pen(QColor(0x00, 0x60, 0xE0), 1, Qt::DashLine);
    pen.setCosmetic(true);
    m_selector->setPen(pen);
    m_selector->setZValue(1e6);
    m_selector->setVisible(false);
    m_scene->addItem(m_selector);
}

void DrawingSurface::showSelector(const QRectF &frame)
{
    m_selector->setRect(frame);
    m_selector->setVisible(true);
    fitSceneToContents();
}

void DrawingSurface::fitSceneToContents()
{
    // The surface starts at the top-left corner and grows with what is drawn on it, never
    // smaller than the visible area, so an empty drawing shows no scroll bars.
    QRectF area(QPointF(0, 0), QSizeF(viewport()->size()));
    for (QGraphicsItem *item : m_scene->items())
        if (item->isVisible())
            area = area.united(item->sceneBoundingRect());
    m_scene->setSceneRect(area);
}

void DrawingSurface::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fitSceneToContents();
}

void DrawingSurface::hideSelector()
{
    m_selector->setVisible(false);
}

bool DrawingSurface::selectorVisible() const
{
    return m_selector->isVisible();
}

QRectF DrawingSurface::selectorRect() const
{
    return m_selector->rect();
}

void DrawingSurface::setToolCursor(const QCursor &cursor)
{
    viewport()->setCursor(cursor);
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    QGraphicsView::mousePressEvent(event);
    const QPointF point = mapToScene(event->position().toPoint());
    const QList<QGraphicsItem *> hits = m_scene->items(point);
    if (hits.isEmpty() || (hits.size() == 1 && hits.first() == m_selector))
        Q_EMIT emptySurfacePressed(point, event->button());
}
