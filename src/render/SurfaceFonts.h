#pragma once

#include "model/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

// The two fonts of the drawing surface and the measure the model lays captions out with.
// Sizes are in surface pixels, not points, so that a caption fits its block the same way on
// the screen at any zoom or scale factor and in an exported picture or a printout.
class SurfaceFonts : public TextMeasure {
public:
    // The fixed-width font of block captions (9 points at 96 dots per inch).
    static QFont blockCaption();
    // The bold sans-serif font of line labels (9.75 points at 96 dots per inch).
    static QFont lineLabel();
    static QFont font(Font which);
    static const QFontMetricsF &metrics(Font which);

    // One measure for the whole program: it outlives every model that uses it.
    static const SurfaceFonts &measure();

    double width(Font which, const QString &text) const override;
    double height(Font which, const QString &text) const override;
};
