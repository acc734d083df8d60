#include "model/ChartLayout.h"

#include "base/MessageLog.h"
#include "base/tranLng.h"
#include "model/Block_Collection.h"
#include "model/EditReplayer.h"
#include "model/Line_Collection.h"
#include "model/ActionCode.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// EVET first, then HAYIR, then any other caption: the branches' left-to-right order.
int branchOrder(const QString &caption)
{
    const QString upper = QLocale().toUpper(caption);
    if (upper == QLocale().toUpper(tranLng(QStringLiteral("YES"))))
        return 0;
    if (upper == QLocale().toUpper(tranLng(QStringLiteral("NO"))))
        return 1;
    return caption.isEmpty() ? 3 : 2;
}

bool onSurface(const cBlock &block)
{
    return block.hasElement() && block.Visible();
}

QPointF topLeftOf(const QVector<cBlock *> &blocks)
{
    QPointF corner(std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    for (const cBlock *block : blocks)
        corner = QPointF(std::min<double>(corner.x(), block->shapeLeft()),
                         std::min<double>(corner.y(), block->shapeTop()));
    return corner;
}

} // namespace

ChartLayout::ChartLayout(ModelContext &context, Block_Collection &blocks, Line_Collection &lines, MessageLog *log)
    : m_context(context), m_blocks(blocks), m_lines(lines), m_log(log)
{
}

ChartLayout::Graph ChartLayout::graph() const
{
    Graph graph;
    QHash<QString, int> nodeOf;
    QVector<int> roots;
    for (const auto &block : m_blocks) {
        if (!onSurface(*block) || nodeOf.contains(block->TagID()))
            continue;
        const int node = int(graph.blocks.size());
        nodeOf.insert(block->TagID(), node);
        graph.blocks.append(block.get());
        graph.layout.nodes.append({double(block->shapeWidth()), double(block->shapeHeight())});
        if (block->actionCode() == ActionCode::Start)
            roots.append(node);
    }
    addEdges(graph, nodeOf);
    for (int node = 0; node < graph.blocks.size(); ++node)
        roots.append(node);
    markBackEdges(graph.layout, roots);
    laneWaysBack(graph);
    return graph;
}

void ChartLayout::addEdges(Graph &graph, const QHash<QString, int> &nodeOf) const
{
    for (int node = 0; node < graph.blocks.size(); ++node) {
        QVector<const cLine *> leaving;
        for (const cLine *line : m_lines.outgoing(graph.blocks[node]->TagID()))
            if (nodeOf.contains(line->sTo()) && nodeOf.value(line->sTo()) != node)
                leaving.append(line);
        std::stable_sort(leaving.begin(), leaving.end(), [](const cLine *a, const cLine *b) {
            return branchOrder(a->sCaption()) < branchOrder(b->sCaption());
        });
        for (const cLine *line : leaving) {
            const int order = branchOrder(line->sCaption());
            // Between EVET and HAYIR an empty point right below the condition: the blocks of the
            // two branches keep clear of it, so neither line runs through the other branch.
            if (order == 1 && branchOrder(leaving.first()->sCaption()) == 0) {
                graph.layout.nodes.append({1, 1});
                graph.layout.edges.append(
                    {node, int(graph.layout.nodes.size()) - 1, GraphvizLayout::EdgeKind::Flow});
            }
            graph.layout.edges.append({node, nodeOf.value(line->sTo()),
                                       order < 2 ? GraphvizLayout::EdgeKind::Branch : GraphvizLayout::EdgeKind::Flow});
        }
    }
}

// A depth-first walk from the START blocks (then from every block not reached yet): a line to a
// block whose walk is still open closes a loop. Walked with a stack of its own, since charts of
// thousands of blocks in a row are real.
void ChartLayout::markBackEdges(GraphvizLayout &layout, const QVector<int> &roots)
{
    const int count = int(layout.nodes.size());
    QVector<QVector<int>> leaving(count);
    for (int e = 0; e < layout.edges.size(); ++e)
        leaving[layout.edges[e].from].append(e);
    enum State : char { New, Open, Done };
    QVector<char> state(count, New);
    struct Frame {
        int node;
        int next;
    };
    QVector<Frame> stack;
    for (const int root : roots) {
        if (state[root] != New)
            continue;
        state[root] = Open;
        stack.append({root, 0});
        while (!stack.isEmpty()) {
            Frame &top = stack.last();
            if (top.next == leaving[top.node].size()) {
                state[top.node] = Done;
                stack.removeLast();
                continue;
            }
            GraphvizLayout::Edge &edge = layout.edges[leaving[top.node][top.next++]];
            if (state[edge.to] == Open) {
                edge.kind = GraphvizLayout::EdgeKind::Back;
            } else if (state[edge.to] == New) {
                state[edge.to] = Open;
                stack.append({edge.to, 0});
            }
        }
    }
}

// The connectors a line back to a loop's start comes through, last first, when there are at
// least two and each is on the way back alone (one line in, one out); empty otherwise.
QVector<int> ChartLayout::wayBackTo(const Graph &graph, int edge)
{
    const QVector<GraphvizLayout::Edge> &edges = graph.layout.edges;
    const auto isConnector = [&graph](int node) {
        return node < graph.blocks.size() && graph.blocks[node]->actionCode() == ActionCode::Intersection;
    };
    const auto linesOf = [&edges](int node, bool in) {
        QVector<int> found;
        for (int e = 0; e < edges.size(); ++e)
            if ((in ? edges[e].to : edges[e].from) == node)
                found.append(e);
        return found;
    };
    QVector<int> way;
    int node = edges[edge].from;
    while (isConnector(node) && !way.contains(node) && node != edges[edge].to && linesOf(node, false).size() == 1) {
        const QVector<int> in = linesOf(node, true);
        if (in.size() != 1)
            break;
        way.append(node);
        node = edges[in.first()].from;
    }
    // The block the way starts from must be a block of its own, below the loop's start.
    if (way.size() < 2 || node == edges[edge].to || way.contains(node))
        return {};
    way.append(node);
    return way;
}

// A loop's way back through connectors: the last connector in the row of the loop's start, at
// its left; the first in the row of the block the way leaves from, at its left; the connectors
// between, bottom to top, ranked as a column of their own. Each line is then straight: across,
// up the lane, across.
void ChartLayout::laneWaysBack(Graph &graph)
{
    QVector<GraphvizLayout::Edge> &edges = graph.layout.edges;
    const qsizetype count = edges.size();
    for (int e = 0; e < count; ++e) {
        if (edges[e].kind != GraphvizLayout::EdgeKind::Back)
            continue;
        const QVector<int> way = wayBackTo(graph, e); // last connector, ..., first, the block before
        if (way.isEmpty())
            continue;
        edges[e] = {way.first(), edges[e].to, GraphvizLayout::EdgeKind::Beside};
        for (GraphvizLayout::Edge &line : edges) {
            const int step = int(way.indexOf(line.to));
            if (step < 0 || step + 1 >= way.size() || line.from != way[step + 1])
                continue;
            const bool fromBlock = step + 2 == way.size();
            line = fromBlock ? GraphvizLayout::Edge{line.to, line.from, GraphvizLayout::EdgeKind::Beside}
                             : GraphvizLayout::Edge{line.to, line.from, GraphvizLayout::EdgeKind::Flow};
        }
    }
}

std::optional<QVector<ChartLayout::Placement>> ChartLayout::placements(QString *error) const
{
    const Graph chart = graph();
    if (chart.blocks.isEmpty())
        return QVector<Placement>();
    const std::optional<QVector<QPointF>> centres = chart.layout.centres(error);
    if (!centres)
        return std::nullopt;
    const QPointF corner = topLeftOf(chart.blocks);
    QVector<Placement> result;
    for (int node = 0; node < chart.blocks.size(); ++node) {
        const GraphvizLayout::Node &size = chart.layout.nodes[node];
        const QPointF topLeft = corner + (*centres)[node] - QPointF(size.width / 2, size.height / 2);
        result.append({chart.blocks[node], QPointF(std::round(topLeft.x()), std::round(topLeft.y()))});
    }
    return result;
}

std::optional<QHash<QString, QPointF>> ChartLayout::places(QString *error) const
{
    const std::optional<QVector<Placement>> placed = placements(error);
    if (!placed)
        return std::nullopt;
    QHash<QString, QPointF> result;
    for (const Placement &p : *placed)
        result.insert(p.block->TagID(), p.topLeft);
    return result;
}

EditRecord ChartLayout::arrange()
{
    QString error;
    const std::optional<QVector<Placement>> placed = placements(&error);
    EditRecord record;
    if (!placed) {
        if (m_log)
            m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Otomatik yerleştirme yapılamadı: %1"), {error}));
        record.outcome = EditRecord::Outcome::Refused;
        return record;
    }
    QVector<EditRecord::LineState> linesBefore;
    for (const auto &line : m_lines)
        linesBefore.append(EditReplayer::stateOf(*line, m_context));
    const bool modifiedBefore = m_context.projectModified();
    for (const Placement &p : *placed) {
        cBlock *block = p.block;
        const QPointF place = p.topLeft;
        if (block->shapeLeft() == float(place.x()) && block->shapeTop() == float(place.y()))
            continue;
        const EditRecord::BlockState before = EditReplayer::stateOf(*block, m_context);
        block->setShapePosition(float(place.x()), float(place.y()));
        record.steps.append(EditRecord::BlockChanged{before, EditReplayer::stateOf(*block, m_context)});
    }
    if (record.steps.isEmpty())
        return record;
    m_lines.updateAllLines();
    for (int p = 1; p <= m_lines.Count(); ++p) {
        const EditRecord::LineState after = EditReplayer::stateOf(*m_lines.item(p), m_context);
        if (!(after == linesBefore[p - 1]))
            record.steps.append(EditRecord::LineChanged{p, linesBefore[p - 1], after});
    }
    m_context.setProjectModified(true);
    if (!modifiedBefore)
        record.steps.append(EditRecord::ModifiedChanged{false, true});
    record.outcome = EditRecord::Outcome::Applied;
    return record;
}
