#pragma once

#include "model/ActionCode.h"
#include "model/TextMeasure.h"

#include <QPointF>
#include <QString>
#include <QVector>
#include <QtGlobal>

// How a block's captions follow from its operation, how wide the block must grow to show its
// caption, and where the caption lines sit inside the block's element.
class BlockCaption {
public:
    struct Texts {
        QString up;   // sCaptionUp
        QString main; // sCaption
    };
    struct Line {
        QString text;
        QPointF topLeft; // relative to the element's top left corner
    };

    // What a block's captions follow from: its operation with its parameters, and the captions
    // it shows now.
    struct Source {
        ActionCode code = ActionCode::Unknown;
        QString p1, p2, p3;
        Texts current;
    };

    // The captions the block's action code and parameters call for; codes that leave a caption
    // alone give the block's current one.
    static Texts textsFor(const Source &block);

    // The width a block of this shape needs for the caption: the current width when it is wide
    // enough already (blocks never shrink here), else the caption's width plus a margin,
    // rounded, and at most the largest width an element can take.
    static qint16 widthFor(qint16 currentWidth, qint16 shape, const QString &caption,
                           const TextMeasure &measure);

    // The caption lines to draw in an element of this inner size: one centred line, or the
    // upper line ending and the main line starting at the vertical centre. Empty texts are left
    // out.
    static QVector<Line> layout(const Texts &texts, double innerWidth, double innerHeight,
                                const TextMeasure &measure);
};
