#pragma once

#include "model/EditRecord.h"
#include "model/GraphvizLayout.h"

#include <QHash>
#include <QPointF>
#include <QString>
#include <QVector>

#include <optional>

class Block_Collection;
class Line_Collection;
class MessageLog;
class cBlock;

// "Otomatik Yerleştir": lays a chart out top to bottom with Graphviz's dot. The main path runs
// straight down, a condition's EVET branch goes left of its HAYIR branch, and a line back to a
// loop's start goes around instead of pushing the loop's blocks apart: when it comes through
// connectors, they run up a lane of their own at the left, so that each line is straight and
// crosses no block. A condition's two branches keep clear of the point below it that both of
// their lines leave from. Blocks keep their sizes,
// and the chart keeps its top-left corner; the lines are then routed as every move routes them.
class ChartLayout {
public:
    ChartLayout(ModelContext &context, Block_Collection &blocks, Line_Collection &lines, MessageLog *log);

    // The new top-left corner of every block on the surface, by tag ID; nothing (with the
    // reason in error) when Graphviz fails. Changes nothing.
    std::optional<QHash<QString, QPointF>> places(QString *error = nullptr) const;

    // Moves the blocks to their places as one edit that EditOperations::undo and redo replay.
    // Unchanged when the chart is already laid out or has no block on the surface; refused, with
    // a message, when Graphviz fails.
    EditRecord arrange();

private:
    struct Placement {
        cBlock *block;
        QPointF topLeft;
    };
    std::optional<QVector<Placement>> placements(QString *error) const;
    struct Graph {
        GraphvizLayout layout;
        QVector<cBlock *> blocks; // the block of each node
    };
    Graph graph() const;
    void addEdges(Graph &graph, const QHash<QString, int> &nodeOf) const;
    static void markBackEdges(GraphvizLayout &layout, const QVector<int> &roots);
    static void laneWaysBack(Graph &graph);
    static QVector<int> wayBackTo(const Graph &graph, int edge);

    ModelContext &m_context;
    Block_Collection &m_blocks;
    Line_Collection &m_lines;
    MessageLog *m_log;
};
