#include "model/LineRouter.h"

#include "model/TrigoFunc.h"

#include <algorithm>
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

bool sameBends(const QVector<LinePoint> &a, const QVector<LinePoint> &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](LinePoint p, LinePoint q) {
        return sameIntegerPart(p.x, q.x) && sameIntegerPart(p.y, q.y);
    });
}

// The blocks a level or upright segment runs through (touching an edge is not crossing).
int crossings(LinePoint a, LinePoint b, const QVector<LineRouter::Box> &boxes)
{
    const float left = std::min(a.x, b.x);
    const float right = std::max(a.x, b.x);
    const float top = std::min(a.y, b.y);
    const float bottom = std::max(a.y, b.y);
    return int(std::count_if(boxes.begin(), boxes.end(), [&](const LineRouter::Box &x) {
        return right > x.left && left < x.left + x.width && bottom > x.top && top < x.top + x.height;
    }));
}

// The lane itself passes beside every block it could meet; only its two level legs can cross one.
int crossings(const LineRouter::Route &route, const QVector<LineRouter::Box> &boxes)
{
    const LineRouter::Ends &e = route.ends;
    return crossings({e.x1, e.y1}, route.bends.first(), boxes) + crossings(route.bends.last(), {e.x2, e.y2}, boxes);
}

// A straight line up that is upright or level and crosses no block needs no way around.
bool clearAndSquare(const LineRouter::Ends &e, const QVector<LineRouter::Box> &boxes)
{
    return (e.x1 == e.x2 || e.y1 == e.y2) && crossings({e.x1, e.y1}, {e.x2, e.y2}, boxes) == 0;
}

LinePoint middleOf(const LineRouter::Ends &ends, const QVector<LinePoint> &bends)
{
    QVector<LinePoint> points{{ends.x1, ends.y1}};
    points += bends;
    points.append({ends.x2, ends.y2});
    const qsizetype leg = (points.size() - 2) / 2;
    const LinePoint a = points[leg];
    const LinePoint b = points[leg + 1];
    return {a.x + (b.x - a.x) / 2, a.y + (b.y - a.y) / 2};
}

} // namespace

QVector<LineRouter::Box> LineRouter::Surroundings::boxes() const
{
    QVector<Box> found;
    if (!context)
        return found;
    for (qint16 i = 1; i <= context->shapeElementCount(); ++i) {
        if (i != from && i != to && context->shape(i).visible)
            found.append(boxOf(context->shape(i)));
    }
    return found;
}

QVector<LineRouter::Box> LineRouter::Surroundings::lanes() const
{
    QVector<Box> found;
    if (!context)
        return found;
    for (qint16 i = 1; i <= context->lineElementCount(); ++i) {
        const LineElement &element = context->line(i);
        if (i == line || !element.visible || element.bends.size() != 2)
            continue;
        const LinePoint a = element.bends.first();
        const LinePoint b = element.bends.last();
        found.append({a.x, std::min(a.y, b.y), 0, std::abs(b.y - a.y)});
    }
    return found;
}

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

bool LineRouter::goesBack(const Box &from, const Box &to)
{
    return to.top + to.height < from.top;
}

LineRouter::Route LineRouter::aroundOneSide(const Box &f, const Box &g, const QVector<Box> &others,
                                            const QVector<Box> &lanes, bool left)
{
    const float top = g.top;
    const float bottom = f.top + f.height;
    const float outY = f.top + f.height / 2;
    const float inY = g.top + g.height / 2;
    float lane = left ? std::min(f.left, g.left) : std::max(f.left + f.width, g.left + g.width);
    for (const Box &b : others) {
        if (b.top > bottom || b.top + b.height < top)
            continue;
        lane = left ? std::min(lane, b.left) : std::max(lane, b.left + b.width);
    }
    // A lane of a loop inside this one (shorter, and within this one's rise) lies between this
    // lane and the blocks: this one goes round it, so that the two never run on one track. Lanes
    // of the same rise stay where they are rather than push each other ever further out.
    for (const Box &l : lanes) {
        const bool inside = l.top >= inY && l.top + l.height <= outY && l.height < outY - inY;
        if (inside)
            lane = left ? std::min(lane, l.left) : std::max(lane, l.left);
    }
    lane += left ? -laneGap : laneGap;
    Route route;
    route.ends = {left ? f.left : f.left + f.width, outY, left ? g.left : g.left + g.width, inY};
    route.bends = {{lane, outY}, {lane, inY}};
    return route;
}

// The side that crosses fewer blocks; on a tie, the side the source lies to of the target, and the
// left one when it lies straight below (where lanes of connectors run up).
LineRouter::Route LineRouter::routeOf(const Box &from, const Box &to, const Surroundings &around)
{
    const Ends straight = attachPoints(from, to);
    if (!goesBack(from, to))
        return {straight, {}};
    const QVector<Box> others = around.boxes();
    if (clearAndSquare(straight, others))
        return {straight, {}};
    const QVector<Box> lanes = around.lanes();
    Route left = aroundOneSide(from, to, others, lanes, true);
    Route right = aroundOneSide(from, to, others, lanes, false);
    const int rightCrossings = crossings(right, others);
    const int leftCrossings = crossings(left, others);
    if (rightCrossings != leftCrossings)
        return rightCrossings < leftCrossings ? right : left;
    return from.left + from.width / 2 > to.left + to.width / 2 ? right : left;
}

LinePoint LineRouter::middle(const LineElement &e)
{
    return middleOf({e.x1, e.y1, e.x2, e.y2}, e.bends);
}

void LineRouter::centreLabel(LineElement &e)
{
    const LinePoint centre = middle(e);
    e.labelLeft = centre.x - e.labelWidth / 2;
    e.labelTop = centre.y - e.labelHeight / 2;
}

bool LineRouter::route(LineElement &e, const Box &from, const Box &to, const Surroundings &around)
{
    const Route next = routeOf(from, to, around);
    const Ends &ends = next.ends;
    bool moved = false;
    const LinePoint centre = middleOf(ends, next.bends);
    const float labelLeft = centre.x - e.labelWidth / 2;
    const float labelTop = centre.y - e.labelHeight / 2;
    if (!sameIntegerPart(labelLeft, e.labelLeft) || !sameIntegerPart(labelTop, e.labelTop)) {
        e.labelLeft = labelLeft;
        e.labelTop = labelTop;
        moved = true;
    }
    // A head never placed yet is placed even when the ends happen to truncate to the
    // element's initial zeros.
    const bool same = sameIntegerPart(ends.x1, e.x1) && sameIntegerPart(ends.y1, e.y1)
        && sameIntegerPart(ends.x2, e.x2) && sameIntegerPart(ends.y2, e.y2) && sameBends(next.bends, e.bends);
    if (same && e.head.visible)
        return moved;
    e.x1 = ends.x1;
    e.y1 = ends.y1;
    e.x2 = ends.x2;
    e.y2 = ends.y2;
    e.bends = next.bends;
    // The head points along the last leg.
    const LinePoint last = next.bends.isEmpty() ? LinePoint{ends.x1, ends.y1} : next.bends.last();
    e.head = arrowHead({last.x, last.y, ends.x2, ends.y2});
    return true;
}

bool LineRouter::route(LineElement &element, const Box &from, const Box &to)
{
    return route(element, from, to, Surroundings{});
}
