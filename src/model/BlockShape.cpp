#include "model/BlockShape.h"

#include "model/Rounding.h"

#include <initializer_list>
#include <utility>

namespace {

QVector<QPoint> rounded(std::initializer_list<std::pair<double, double>> vertices)
{
    QVector<QPoint> points;
    points.reserve(qsizetype(vertices.size()));
    for (const auto &[x, y] : vertices)
        points.append(QPoint(int(Rounding::halfEven(x)), int(Rounding::halfEven(y))));
    return points;
}

bool isKnown(qint16 shape)
{
    return shape == 0 || shape == 2 || shape == 3 || shape == 91 || shape == 92 || shape == 93;
}

} // namespace

BlockShape::Outline BlockShape::outline(qint16 shape, double innerWidth, double innerHeight)
{
    const double w = innerWidth - 1;
    const double h = innerHeight - 1;
    Outline o;
    switch (shape) {
    case 0:
        o.kind = Kind::Rectangle;
        o.bounds = QRectF(0, 0, w, h);
        break;
    case 2:
        // The ellipse is given by its width and its height-to-width ratio, so a zero width
        // leaves nothing to draw.
        if (w != 0) {
            o.kind = Kind::Ellipse;
            o.bounds = QRectF(0, 0, w, h);
        }
        break;
    case 3:
        o.kind = Kind::Ellipse;
        o.bounds = QRectF(0, h / 2 - w / 2, w, w);
        break;
    case 91:
        o.kind = Kind::Polygon;
        o.points = rounded({{10, 0}, {w, 0}, {w - 10, h}, {0, h}});
        break;
    case 92:
        o.kind = Kind::Polygon;
        o.points = rounded({{w / 2, 0}, {w, h / 2}, {w / 2, h}, {0, h / 2}});
        break;
    case 93:
        o.kind = Kind::Polygon;
        o.points = rounded({{0, h / 2}, {10, 0}, {w - 10, 0}, {w, h / 2}, {w - 10, h}, {10, h}});
        break;
    default:
        o.kind = Kind::Invalid;
        break;
    }
    return o;
}

MessageText BlockShape::invalidShapeMessage(qint16 shape)
{
    if (isKnown(shape))
        return MessageText();
    return MessageText::of(QT_TRANSLATE_NOOP("Message", "Shape özelliğinde yanlış ayar var: %1"), {QString::number(shape)});
}
