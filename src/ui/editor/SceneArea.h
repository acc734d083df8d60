#pragma once

#include <QRectF>
#include <QSize>

// The scrollable area of the drawing surface, in surface pixels. It is worked out from what
// is drawn and from the room the view has without scroll bars, never from the view's current
// size: a scroll bar that the area turns on narrows the view, and an area that followed the
// narrower view could turn the bar off again, and so on without end. Here the area is chosen
// together with the scroll bars it brings, so it is settled in one step.
class SceneArea {
public:
    struct View {
        QSize fullSize;      // the viewport when no scroll bar is shown
        int scrollBarExtent; // the room a shown scroll bar takes from it
        double zoom;         // view pixels per surface pixel
    };

    // drawn: every block and line (empty for an empty chart); wanted: the room to keep around
    // them as well (a margin, the selection frame). That room never reaches past the top or
    // left edge of the surface unless the drawing itself does.
    static QRectF fit(const QRectF &drawn, const QRectF &wanted, const View &view);

private:
    struct Bars {
        bool across;
        bool down;
        bool operator==(const Bars &) const = default;
    };
    // The scroll bars a graphics view shows for an area of this size in view pixels.
    static Bars barsFor(const QSizeF &shown, const View &view);
};
