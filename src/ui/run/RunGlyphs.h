#pragma once

#include <QIcon>

// The run controls' pictures, drawn rather than loaded so they stay sharp at any scale and need
// no icon theme: run, stop, pause and next step on the run buttons, and the debugger's steps.
class RunGlyphs {
public:
    enum class Glyph { Run, Stop, Pause, Step, StepInto, StepOver, StepOut, StepBack };

    static QIcon icon(Glyph glyph);
    // Each picture's side, in device-independent pixels.
    static constexpr int side = 20;

private:
    static QPixmap pixmap(Glyph glyph, qreal dpr);
};
