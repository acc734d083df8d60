#include "ui/run/RunGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor green(0x1E, 0x9A, 0x3C);
const QColor red(0xC8, 0x28, 0x28);
const QColor blue(0x30, 0x50, 0xA0);

// An arrow head at `tip` pointing along (dx, dy), one of the four directions.
void arrowHead(QPainter &painter, QPointF tip, qreal dx, qreal dy)
{
    const QPointF back(tip.x() - 5 * dx, tip.y() - 5 * dy);
    const QPointF across(4 * dy, 4 * dx);
    QPainterPath path;
    path.addPolygon(QPolygonF({tip, back + across, back - across}));
    painter.fillPath(path, blue);
}

// The debugger's steps: a bar for the current line, and where the step goes from it.
void drawStep(QPainter &painter, RunGlyphs::Glyph glyph)
{
    painter.setPen(QPen(blue, 2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
    case RunGlyphs::Glyph::StepInto:
        painter.drawLine(QPointF(10, 2), QPointF(10, 11));
        arrowHead(painter, {10, 16}, 0, 1);
        painter.fillRect(QRectF(4, 17, 12, 2), blue);
        break;
    case RunGlyphs::Glyph::StepOver:
        painter.drawArc(QRectF(4, 4, 12, 12), 180 * 16, -150 * 16);
        arrowHead(painter, {16, 13}, 0, 1);
        painter.fillRect(QRectF(2, 17, 16, 2), blue);
        break;
    case RunGlyphs::Glyph::StepOut:
        painter.drawLine(QPointF(10, 18), QPointF(10, 8));
        arrowHead(painter, {10, 3}, 0, -1);
        painter.fillRect(QRectF(4, 17, 12, 2), blue);
        break;
    case RunGlyphs::Glyph::StepBack: {
        QPainterPath path;
        path.addPolygon(QPolygonF({{16, 4}, {7, 10}, {16, 16}}));
        painter.fillPath(path, blue);
        painter.fillRect(QRectF(3, 4, 3, 12), blue);
        break;
    }
    default:
        break;
    }
}

} // namespace

QIcon RunGlyphs::icon(Glyph glyph)
{
    QIcon icon;
    icon.addPixmap(pixmap(glyph, 1));
    icon.addPixmap(pixmap(glyph, 2));
    return icon;
}

QPixmap RunGlyphs::pixmap(Glyph glyph, qreal dpr)
{
    QPixmap pixmap(QSize(side, side) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QPainterPath path;
    switch (glyph) {
    case Glyph::Run:
        path.addPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
        p.fillPath(path, green);
        break;
    case Glyph::Stop:
        p.fillRect(QRectF(4, 4, 12, 12), red);
        break;
    case Glyph::Pause:
        p.fillRect(QRectF(5, 4, 4, 12), blue);
        p.fillRect(QRectF(11, 4, 4, 12), blue);
        break;
    case Glyph::Step:
        path.addPolygon(QPolygonF({{3, 4}, {12, 10}, {3, 16}}));
        p.fillPath(path, blue);
        p.fillRect(QRectF(13, 4, 3, 12), blue);
        break;
    default:
        drawStep(p, glyph);
        break;
    }
    return pixmap;
}
