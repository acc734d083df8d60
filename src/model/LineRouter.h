#pragma once

#include "model/ArrowHead.h"
#include "model/ModelContext.h"

// The geometry of one line: where it leaves its source block and meets its target block, where
// its head and caption label go, and when its elements need moving at all. All in 32-bit
// floating point, drawing-surface units.
class LineRouter {
public:
    struct Box {
        float left = 0, top = 0, width = 0, height = 0;
    };
    struct Ends {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };

    static Box boxOf(const ShapeElement &element);
    static Ends attachPoints(const Box &from, const Box &to);
    static ArrowHead arrowHead(const Ends &ends);

    // Routes the line element between the two boxes, moving the label and the line (with its
    // head) only when an integer part of a coordinate changes. True when anything moved.
    static bool route(LineElement &element, const Box &from, const Box &to);

    // Puts the label's centre on the midpoint of the line as it stands.
    static void centreLabel(LineElement &element);
};
