#pragma once

#include "model/ArrowHead.h"
#include "model/ModelContext.h"

// The geometry of one line: where it leaves its source block and meets its target block, where
// its head and caption label go, and when its elements need moving at all. All in 32-bit
// floating point, drawing-surface units.
//
// A line is one straight segment between the facing sides of its blocks, except a line back up
// to a block wholly above its source (a loop closed without a connector) that would run askew or
// through another block: that one leaves its source sideways, runs up a lane beside every block
// between the two, and comes back in to the target's side, with square corners, so that it never
// cuts across the chart.
class LineRouter {
public:
    struct Box {
        float left = 0, top = 0, width = 0, height = 0;
    };
    struct Ends {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    struct Route {
        Ends ends;
        QVector<LinePoint> bends;
    };
    // The blocks a line back up keeps clear of: every shown block of the context but the line's
    // own two (their element indexes); and the lanes of the other lines back up, which a loop
    // around an inner loop keeps outside of.
    struct Surroundings {
        const ModelContext *context = nullptr;
        qint16 from = -1, to = -1;
        qint16 line = -1; // the routed line's own element, whose lane is not another's

        QVector<Box> boxes() const;
        // Each lane as an upright box of no width.
        QVector<Box> lanes() const;
    };
    // Room between a lane and the blocks beside it.
    static constexpr float laneGap = 20;

    static Box boxOf(const ShapeElement &element);
    static Ends attachPoints(const Box &from, const Box &to);
    static ArrowHead arrowHead(const Ends &ends);
    // True when the target lies wholly above the source.
    static bool goesBack(const Box &from, const Box &to);
    static Route routeOf(const Box &from, const Box &to, const Surroundings &around);

    // Routes the line element between the two boxes, moving the label and the line (with its
    // head) only when an integer part of a coordinate changes. True when anything moved.
    static bool route(LineElement &element, const Box &from, const Box &to, const Surroundings &around);
    static bool route(LineElement &element, const Box &from, const Box &to);

    // The middle of the line as it stands: of its one segment, or of the middle one of its legs.
    static LinePoint middle(const LineElement &element);
    // Puts the label's centre on the middle of the line as it stands.
    static void centreLabel(LineElement &element);

private:
    static Route aroundOneSide(const Box &from, const Box &to, const QVector<Box> &others,
                               const QVector<Box> &lanes, bool left);
};
