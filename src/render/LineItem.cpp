#include "render/LineItem.h"

#include "base/ChartWords.h"
#include "render/SurfaceFonts.h"

#include <QPainter>

namespace {

const qreal lineWidth = 2;

QRectF segmentBox(float x1, float y1, float x2, float y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

QColor strokeColour()
{
    return QColor(0xD0, 0x00, 0x00);
}

} // namespace

LineItem::LineItem(qint16 element)
    : m_element(element)
{
    setZValue(0);
    setVisible(false);
}

void LineItem::setRoute(const LineElement &route)
{
    if (route == m_route)
        return;
    prepareGeometryChange();
    m_route = route;
    updateBounds();
    setVisible(route.visible);
    update();
}

void LineItem::setCountText(const QString &text)
{
    if (text == m_countText)
        return;
    prepareGeometryChange();
    m_countText = text;
    updateBounds();
    update();
}

void LineItem::updateBounds()
{
    const ArrowHead &head = m_route.head;
    QRectF box = pathOf(m_route).boundingRect();
    if (head.visible) {
        box |= segmentBox(head.up.x1, head.up.y1, head.up.x2, head.up.y2);
        box |= segmentBox(head.down.x1, head.down.y1, head.down.x2, head.down.y2);
        box |= QRectF(head.dotLeft, head.dotTop, head.dotWidth, head.dotHeight);
    }
    if (showsLabel())
        box |= labelRect();
    if (!m_countText.isEmpty())
        box |= countRect();
    m_bounds = box.adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth);
}

QPolygonF LineItem::pathOf(const LineElement &route)
{
    QPolygonF path{QPointF(route.x1, route.y1)};
    for (const LinePoint &bend : route.bends)
        path.append(QPointF(bend.x, bend.y));
    path.append(QPointF(route.x2, route.y2));
    return path;
}

// A quarter of the way along the first leg, beside the line: clear of the caption, which sits at
// the middle.
QRectF LineItem::countRect() const
{
    const QPolygonF path = pathOf(m_route);
    const QPointF at = path[0] + (path[1] - path[0]) / 4;
    const qreal width = 8 + 7 * qreal(m_countText.size());
    return QRectF(at.x() + 4, at.y() - 8, width, 16);
}

QRectF LineItem::labelRect() const
{
    return QRectF(m_route.labelLeft, m_route.labelTop, m_route.labelWidth, m_route.labelHeight);
}

bool LineItem::showsLabel() const
{
    return m_route.labelVisible && !m_route.labelText.isEmpty();
}

QRectF LineItem::boundingRect() const
{
    return m_bounds;
}

void LineItem::paintShaft(QPainter &painter) const
{
    // The round ends are dots of their own: Qt fills a round-capped line through its general
    // outline filler, whose cost grows with the line's length (a long diagonal took tens of
    // milliseconds in a large picture), while a flat-capped line takes its fast line path.
    // A bent line's corners are mitred square, its two ends round like a straight one's.
    const QPolygonF path = pathOf(m_route);
    painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    if (path.size() == 2)
        painter.drawLine(path.first(), path.last());
    else
        painter.drawPolyline(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(path.first(), lineWidth / 2, lineWidth / 2);
    painter.drawEllipse(path.last(), lineWidth / 2, lineWidth / 2);
}

void LineItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    paintShaft(*painter);
    const ArrowHead &head = m_route.head;
    if (head.visible) {
        painter->setPen(QPen(strokeColour(), lineWidth, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(QPointF(head.up.x1, head.up.y1), QPointF(head.up.x2, head.up.y2));
        painter->drawLine(QPointF(head.down.x1, head.down.y1), QPointF(head.down.x2, head.down.y2));
        painter->setPen(Qt::NoPen);
        painter->setBrush(strokeColour());
        painter->drawEllipse(QRectF(head.dotLeft, head.dotTop, head.dotWidth, head.dotHeight));
    }
    if (showsLabel()) {
        // The label is opaque, so the line does not run through its text.
        painter->fillRect(labelRect(), Qt::white);
        painter->setPen(Qt::black);
        painter->setFont(SurfaceFonts::lineLabel());
        painter->drawText(labelRect(), Qt::AlignCenter | Qt::TextDontClip, ChartWords::shown(m_route.labelText));
    }
    if (!m_countText.isEmpty()) {
        painter->setPen(QColor(0x80, 0x60, 0x00));
        painter->setBrush(QColor(0xFF, 0xF2, 0xB0));
        painter->drawRoundedRect(countRect(), 3, 3);
        painter->setFont(SurfaceFonts::lineLabel());
        painter->drawText(countRect(), Qt::AlignCenter, m_countText);
    }
    painter->restore();
}
