#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QtGlobal>

class QPainter;

// Draws a block's shape (fill first, then the outline) into a rectangle: the drawing surface
// uses it for blocks, the tool column for its icons and cursors.
class BlockPainter {
public:
    enum Shape : qint16 { Rectangle = 0, Oval = 2, Circle = 3, Parallelogram = 91, Diamond = 92, Function = 93 };

    // A colour as the project file stores it: 0x00BBGGRR.
    static QColor colorOf(qint32 stored);

    // The outline of a shape code in rect; empty for an unknown code. The slanted edges of
    // the parallelogram and the function shape are 10 units in, as on the surface, but never
    // more than a quarter of the width, so that small icons keep their shape.
    static QPainterPath outline(qint16 shape, const QRectF &rect);

    // False, drawing nothing, for an unknown shape code.
    static bool paint(QPainter &painter, qint16 shape, const QRectF &rect, const QColor &fill,
                      const QColor &border);
};
