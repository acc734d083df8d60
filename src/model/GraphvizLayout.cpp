#include "model/GraphvizLayout.h"

#include <graphviz/gvc.h>

#include <memory>

namespace {

// Loading the layout plugins costs more than laying out a small chart, so one context serves
// every layout of the program's life.
GVC_t *context()
{
    static GVC_t *const gvc = gvContext();
    return gvc;
}

// Graphviz reports through a global hook; a layout keeps its messages for the caller.
QString &messages()
{
    static QString text;
    return text;
}

int keepMessage(char *text)
{
    messages() += QString::fromUtf8(text).trimmed();
    return 0;
}

char *text(const char *literal)
{
    return const_cast<char *>(literal);
}

QByteArray inches(double pixels)
{
    return QByteArray::number(pixels / 72.0, 'f', 4);
}

struct GraphCloser {
    void operator()(Agraph_t *graph) const
    {
        gvFreeLayout(context(), graph);
        agclose(graph);
    }
};
using Graph = std::unique_ptr<Agraph_t, GraphCloser>;

Graph newGraph()
{
    Agdesc_t directed = Agdirected;
    Graph graph(agopen(text("chart"), directed, nullptr));
    agattr(graph.get(), AGRAPH, text("rankdir"), text("TB"));
    agattr(graph.get(), AGRAPH, text("ordering"), text("out"));
    // Lines are routed by the editor afterwards: Graphviz only places the blocks.
    agattr(graph.get(), AGRAPH, text("splines"), text("none"));
    agattr(graph.get(), AGRAPH, text("nodesep"), inches(GraphvizLayout::NodeGap).data());
    agattr(graph.get(), AGRAPH, text("ranksep"), inches(GraphvizLayout::RankGap).data());
    agattr(graph.get(), AGNODE, text("shape"), text("box"));
    agattr(graph.get(), AGNODE, text("fixedsize"), text("true"));
    agattr(graph.get(), AGNODE, text("label"), text(""));
    return graph;
}

} // namespace

std::optional<QVector<QPointF>> GraphvizLayout::centres(QString *error) const
{
    messages().clear();
    const agusererrf before = agseterrf(keepMessage);
    Graph graph = newGraph();
    Agraph_t *g = graph.get();
    Agsym_t *width = agattr(g, AGNODE, text("width"), text("1"));
    Agsym_t *height = agattr(g, AGNODE, text("height"), text("0.5"));
    Agsym_t *weight = agattr(g, AGEDGE, text("weight"), text("1"));
    Agsym_t *constraint = agattr(g, AGEDGE, text("constraint"), text("true"));

    QVector<Agnode_t *> made;
    made.reserve(nodes.size());
    for (const Node &node : nodes) {
        Agnode_t *n = agnode(g, nullptr, 1);
        agxset(n, width, inches(node.width).data());
        agxset(n, height, inches(node.height).data());
        made.append(n);
    }
    Agsym_t *rank = agattr(g, AGRAPH, text("rank"), text(""));
    int rows = 0;
    for (const Edge &edge : edges) {
        if (edge.kind == EdgeKind::Beside) {
            const QByteArray name = "row" + QByteArray::number(rows++);
            Agraph_t *row = agsubg(g, const_cast<char *>(name.constData()), 1);
            agxset(row, rank, text("same"));
            agsubnode(row, made[edge.from], 1);
            agsubnode(row, made[edge.to], 1);
        }
        Agedge_t *e = agedge(g, made[edge.from], made[edge.to], nullptr, 1);
        if (edge.kind == EdgeKind::Flow)
            agxset(e, weight, text("8"));
        if (edge.kind == EdgeKind::Back) {
            agxset(e, weight, text("0"));
            agxset(e, constraint, text("false"));
        }
    }

    const bool laidOut = gvLayout(context(), g, "dot") == 0;
    agseterrf(before);
    if (!laidOut) {
        if (error)
            *error = messages();
        return std::nullopt;
    }
    const boxf box = GD_bb(g);
    QVector<QPointF> result;
    result.reserve(made.size());
    for (Agnode_t *n : made)
        result.append(QPointF(ND_coord(n).x - box.LL.x, box.UR.y - ND_coord(n).y));
    return result;
}
