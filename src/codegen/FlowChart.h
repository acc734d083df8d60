#pragma once

#include "codegen/FlowNode.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Project;

// One chart of a program as steps: the blocks a run can reach from START, each with the lines
// it follows, in the order a run first meets them.
class FlowChart {
public:
    // Finds the index of the chart a FUNCTION block calls; -1 when it cannot be loaded.
    using CalleeLookup = std::function<int(const QString &name)>;

    // The block a refused chart is refused for (a window) is named in `refusal`.
    static FlowChart fromProject(const Project &project, const QString &fileName, const CalleeLookup &callee,
                                 QString &refusal);

    const QString &fileName() const { return m_fileName; }
    const std::vector<FlowNode> &nodes() const { return m_nodes; }
    const FlowNode &node(int index) const { return m_nodes[std::size_t(index)]; }
    int entry() const { return m_entry; }
    // The local variables START names (saved on entry, restored at END).
    const QStringList &locals() const { return m_locals; }
    std::vector<int> successors(int index) const;

    // Variables that certainly exist before each node runs (folded names).
    std::vector<QSet<QString>> &definedBefore() { return m_definedBefore; }
    const QSet<QString> &definedBefore(int index) const { return m_definedBefore[std::size_t(index)]; }

private:
    QString m_fileName;
    std::vector<FlowNode> m_nodes;
    int m_entry = -1;
    QStringList m_locals;
    std::vector<QSet<QString>> m_definedBefore;
};
