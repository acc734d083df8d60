#include "render/BlockPainter.h"

#include <QPainter>
#include <algorithm>

QColor BlockPainter::colorOf(qint32 stored)
{
    const quint32 bits = quint32(stored);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

QPainterPath BlockPainter::outline(qint16 shape, const QRectF &rect)
{
    QPainterPath path;
    const qreal l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    const qreal cx = rect.center().x(), cy = rect.center().y();
    const qreal slant = std::min<qreal>(10, rect.width() / 4);
    switch (shape) {
    case Rectangle:
        path.addRect(rect);
        break;
    case Oval:
        path.addEllipse(rect);
        break;
    case Circle: {
        // A circle of the rect's width, centred, as a block of unequal sides shows it.
        const qreal radius = rect.width() / 2;
        path.addEllipse(QPointF(cx, cy), radius, radius);
        break;
    }
    case Parallelogram:
        path.addPolygon(QPolygonF({{l + slant, t}, {r, t}, {r - slant, b}, {l, b}}));
        path.closeSubpath();
        break;
    case Diamond:
        path.addPolygon(QPolygonF({{cx, t}, {r, cy}, {cx, b}, {l, cy}}));
        path.closeSubpath();
        break;
    case Function:
        path.addPolygon(QPolygonF({{l, cy}, {l + slant, t}, {r - slant, t}, {r, cy}, {r - slant, b}, {l + slant, b}}));
        path.closeSubpath();
        break;
    default:
        break;
    }
    return path;
}

bool BlockPainter::paint(QPainter &painter, qint16 shape, const QRectF &rect, const QColor &fill,
                         const QColor &border)
{
    const QPainterPath path = outline(shape, rect);
    if (path.isEmpty())
        return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, shape != Rectangle);
    painter.fillPath(path, fill);
    QPen pen(border);
    pen.setCosmetic(true);
    painter.strokePath(path, pen);
    painter.restore();
    return true;
}
