#pragma once

#include <QString>

// Measures texts in the fonts of the drawing surface, in drawing-surface units. The desktop
// program measures with its real fonts; without a display a fixed-pitch stand-in does.
// A text with line breaks measures as its widest line and the height of all its lines.
class TextMeasure {
public:
    enum class Font {
        BlockCaption, // the fixed-width font of the captions inside blocks
        LineLabel,    // the bold font of the caption labels on lines
    };

    virtual ~TextMeasure() = default;
    virtual double width(Font font, const QString &text) const = 0;
    virtual double height(Font font, const QString &text) const = 0;
};
