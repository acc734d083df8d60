#include "ui/editor/SceneArea.h"

#include <algorithm>

namespace {

// The visible part of the area stays a hair inside the view, so that rounding in the view's
// own arithmetic never calls for a scroll bar that has nothing to scroll.
const double hair = 0.01;

} // namespace

QRectF SceneArea::fit(const QRectF &drawn, const QRectF &wanted, const View &view)
{
    QRectF content = wanted | drawn;
    const QPointF drawnCorner = drawn.isEmpty() ? QPointF(0, 0) : drawn.topLeft();
    if (!content.isEmpty() && drawnCorner.x() >= 0)
        content.setLeft(std::max(content.left(), 0.0));
    if (!content.isEmpty() && drawnCorner.y() >= 0)
        content.setTop(std::max(content.top(), 0.0));
    // Zoomed in, the visible part stays as large as the view at full size, so there is room to
    // keep the point under the pointer in place.
    const double visibleScale = std::min(view.zoom, 1.0);
    const int extent = view.scrollBarExtent;
    QRectF area;
    for (const Bars bars : {Bars{false, false}, Bars{false, true}, Bars{true, false}, Bars{true, true}}) {
        const QSizeF room(view.fullSize.width() - (bars.down ? extent : 0) - hair,
                          view.fullSize.height() - (bars.across ? extent : 0) - hair);
        area = QRectF(QPointF(0, 0), room / visibleScale);
        if (!content.isEmpty())
            area |= content;
        if (barsFor(area.size() * view.zoom, view) == bars)
            break;
    }
    return area;
}

SceneArea::Bars SceneArea::barsFor(const QSizeF &shown, const View &view)
{
    const double width = view.fullSize.width();
    const double height = view.fullSize.height();
    const int extent = view.scrollBarExtent;
    Bars bars{shown.width() > width, shown.height() > height};
    if (bars.across && shown.height() > height - extent)
        bars.down = true;
    if (bars.down && shown.width() > width - extent)
        bars.across = true;
    return bars;
}
