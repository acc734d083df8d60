#include "model/LineRouter.h"

#include "model/TrigoFunc.h"

#include <cmath>

LineRouter::Box LineRouter::boxOf(const ShapeElement &element)
{
    return {element.left, element.top, float(element.width), float(element.height)};
}

// Boxes that touch count as overlapping: only a strict gap puts one wholly beside the other.
LineRouter::Ends LineRouter::attachPoints(const Box &f, const Box &g)
{
    const bool gRight = f.left + f.width < g.left;
    const bool gLeft = g.left + g.width < f.left;
    Ends e;
    if (gRight) {
        e.x1 = f.left + f.width;
        e.y1 = f.top + f.height / 2;
    } else if (f.top + f.height < g.top) {
        e.x1 = f.left + f.width / 2;
        e.y1 = f.top + f.height;
    } else if (gLeft) {
        e.x1 = f.left;
        e.y1 = f.top + f.height / 2;
    } else {
        e.x1 = f.left + f.width / 2;
        e.y1 = f.top;
    }
    if (gLeft) {
        e.x2 = g.left + g.width;
        e.y2 = g.top + g.height / 2;
    } else if (g.top + g.height < f.top) {
        e.x2 = g.left + g.width / 2;
        e.y2 = g.top + g.height;
    } else if (gRight) {
        e.x2 = g.left;
        e.y2 = g.top + g.height / 2;
    } else {
        e.x2 = g.left + g.width / 2;
        e.y2 = g.top;
    }
    return e;
}

namespace {

struct Offset {
    double x, y;
};

// The stroke directions are taken apart into a sine and a cosine part whose signs pick the
// side; for every line of non-zero length this is the direction back to the source turned by
// the stroke angle either way, and a zero-length line gets fixed strokes.
void strokeOffsets(double s, double c, Offset &up, Offset &down)
{
    const double a = TrigoFunc::ArcSin(s);
    const double b = TrigoFunc::ArcCos(c);
    const double t = ArrowHead::strokeAngle;
    if (s >= 0 && c >= 0) {
        up = {std::cos(b - t), std::sin(a - t)};
        down = {std::cos(b + t), std::sin(a + t)};
    } else if (s <= 0 && c >= 0) {
        up = {std::cos(b + t), std::sin(a - t)};
        down = {std::cos(b - t), std::sin(a + t)};
    } else if (s >= 0 && c <= 0) {
        up = {std::cos(b - t), std::sin(a + t)};
        down = {std::cos(b + t), std::sin(a - t)};
    } else {
        up = {std::cos(b + t), std::sin(a + t)};
        down = {std::cos(b - t), std::sin(a - t)};
    }
}

bool sameIntegerPart(float a, float b)
{
    return std::trunc(a) == std::trunc(b);
}

} // namespace

ArrowHead LineRouter::arrowHead(const Ends &ends)
{
    const double dx = double(ends.x1) - double(ends.x2);
    const double dy = double(ends.y1) - double(ends.y2);
    const double len = std::sqrt(dx * dx + dy * dy);
    Offset up{}, down{};
    strokeOffsets(len != 0 ? dy / len : 0, len != 0 ? dx / len : 0, up, down);

    ArrowHead head;
    head.dotLeft = ends.x2 - head.dotWidth / 2;
    head.dotTop = ends.y2 - head.dotHeight / 2;
    const float cx = head.dotLeft + head.dotWidth / 2;
    const float cy = head.dotTop + head.dotHeight / 2;
    const double length = ArrowHead::strokeLength;
    head.up = {cx, cy, float(ends.x2 + length * up.x), float(ends.y2 + length * up.y)};
    head.down = {cx, cy, float(ends.x2 + length * down.x), float(ends.y2 + length * down.y)};
    head.visible = true;
    return head;
}

void LineRouter::centreLabel(LineElement &e)
{
    e.labelLeft = e.x1 + (e.x2 - e.x1) / 2 - e.labelWidth / 2;
    e.labelTop = e.y1 + (e.y2 - e.y1) / 2 - e.labelHeight / 2;
}

bool LineRouter::route(LineElement &e, const Box &from, const Box &to)
{
    const Ends ends = attachPoints(from, to);
    bool moved = false;
    const float labelLeft = ends.x1 + (ends.x2 - ends.x1) / 2 - e.labelWidth / 2;
    const float labelTop = ends.y1 + (ends.y2 - ends.y1) / 2 - e.labelHeight / 2;
    if (!sameIntegerPart(labelLeft, e.labelLeft) || !sameIntegerPart(labelTop, e.labelTop)) {
        e.labelLeft = labelLeft;
        e.labelTop = labelTop;
        moved = true;
    }
    // A head never placed yet is placed even when the ends happen to truncate to the
    // element's initial zeros.
    const bool same = sameIntegerPart(ends.x1, e.x1) && sameIntegerPart(ends.y1, e.y1)
        && sameIntegerPart(ends.x2, e.x2) && sameIntegerPart(ends.y2, e.y2);
    if (same && e.head.visible)
        return moved;
    e.x1 = ends.x1;
    e.y1 = ends.y1;
    e.x2 = ends.x2;
    e.y2 = ends.y2;
    e.head = arrowHead(ends);
    return true;
}
