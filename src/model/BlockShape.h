#pragma once

#include "base/MessageText.h"

#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The outline a block's shape code stands for, in the element's own coordinates, ready to be
// stroked in the border colour and filled in the background colour.
class BlockShape {
public:
    enum class Kind {
        Rectangle, // bounds, filled inside one unit in from the outline
        Ellipse,   // the ellipse in bounds
        Polygon,   // points
        Nothing,   // an ellipse in an element too narrow for one: no shape and no captions
        Invalid,   // an unknown code: no shape; the captions are still drawn
    };

    struct Outline {
        Kind kind = Kind::Nothing;
        QRectF bounds;
        QVector<QPoint> points;
    };

    static Outline outline(qint16 shape, double innerWidth, double innerHeight);

    // The message an unknown shape code gives when the block is drawn; empty for a known code.
    static MessageText invalidShapeMessage(qint16 shape);
};
