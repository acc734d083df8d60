#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

#include <optional>

// Graphviz's dot layout, top to bottom, through its C library; the rest of the program never
// sees a Graphviz type. Sizes and places are in drawing-surface pixels, one pixel taken as one
// of Graphviz's points. Each call is a whole layout: nothing is kept between calls.
class GraphvizLayout {
public:
    struct Node {
        double width = 0;
        double height = 0;
    };
    enum class EdgeKind {
        Flow,   // down the page, kept short and straight
        Branch, // one of a condition's two ways; a node's branches keep their order left to right
        Back,   // a line back up to a loop's start: it orders the nodes but does not rank them
        Beside, // the two ends in one row, `from` left of `to`
    };
    struct Edge {
        int from = 0;
        int to = 0;
        EdgeKind kind = EdgeKind::Flow;
    };

    QVector<Node> nodes;
    QVector<Edge> edges; // a node's outgoing branches in their left-to-right order

    // The centre of each node, the topmost edge of the drawing at y = 0 and its leftmost edge
    // at x = 0; nothing when Graphviz fails, with its message in error.
    std::optional<QVector<QPointF>> centres(QString *error = nullptr) const;

    // The gaps between neighbouring blocks on one row and between rows.
    static constexpr double NodeGap = 30;
    static constexpr double RankGap = 36;
};
