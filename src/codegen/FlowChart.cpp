#include "codegen/FlowChart.h"

#include "base/tranLng.h"
#include "interp/BuiltIns.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "model/cBlock.h"
#include "model/cLine.h"
#include "project/Project.h"

#include <QCoreApplication>
#include <QHash>

namespace {

bool isObjectReference(const QString &text)
{
    return text.contains(u'.') && !text.startsWith(u'"');
}

// What refuses a block, in the interface's language: windows exist only in the desktop program.
QString refusalOf(const cBlock &block)
{
    if (block.actionCode() == ActionCode::Window)
        return QCoreApplication::translate("CodeExport", "Nesne: %1 - PENCERE bloğu koda aktarılamaz: "
                                                         "pencereler yalnızca masaüstü programında açılabilir.")
            .arg(block.TagID());
    if (block.actionCode() == ActionCode::Definition && (isObjectReference(block.zParam1()) || isObjectReference(block.zParam2())))
        return QCoreApplication::translate("CodeExport", "Nesne: %1 - pencere nesnesi ataması (%2 = %3) koda "
                                                         "aktarılamaz: pencereler yalnızca masaüstü programında açılabilir.")
            .arg(block.TagID(), block.zParam1(), block.zParam2());
    return QString();
}

// The chart's blocks as steps; lines are followed the way the tick follows them.
class Builder {
public:
    Builder(const Project &project, std::vector<FlowNode> &nodes, const FlowChart::CalleeLookup &callee)
        : m_project(project), m_nodes(nodes), m_callee(callee)
    {
    }

    int fail(const QStringList &messages)
    {
        FlowNode node;
        node.kind = FlowNode::Fail;
        node.messages = messages;
        m_nodes.push_back(node);
        return int(m_nodes.size()) - 1;
    }

    // Breadth of the chart reachable from `start`; returns its node index.
    int build(const cBlock *start, QString &refusal)
    {
        const int first = nodeFor(start);
        for (std::size_t i = 0; i < m_pending.size(); ++i) {
            const auto [index, block] = m_pending[i];
            refusal = refusalOf(*block);
            if (!refusal.isEmpty())
                return -1;
            link(index, *block);
        }
        return first;
    }

private:
    int nodeFor(const cBlock *block)
    {
        const auto found = m_index.constFind(block);
        if (found != m_index.cend())
            return *found;
        FlowNode node;
        node.code = block->actionCode();
        node.tag = block->TagID();
        for (int slot = 0; slot < 3; ++slot)
            node.param[slot] = block->zParam(slot);
        if (node.code == ActionCode::Unknown) {
            node.kind = FlowNode::Fail;
            node.messages = {QStringLiteral("timerRunner_Timer(). BİLİNMEYEN İŞLEM!: ") + block->zAction()};
        }
        m_nodes.push_back(node);
        const int index = int(m_nodes.size()) - 1;
        m_index.insert(block, index);
        m_pending.push_back({index, block});
        return index;
    }

    // The block a line from `block` with `label` leads to, or the end the tick meets there.
    int follow(const cBlock &block, const QString &label)
    {
        const QString wanted = VariableStore::fold(label);
        for (const cLine *line : m_project.theLineCollection().outgoing(block.TagID())) {
            if (!label.isEmpty() && VariableStore::fold(line->sCaption()) != wanted)
                continue;
            if (const cBlock *target = m_project.theBlockCollection().item(line->sTo()))
                return nodeFor(target);
            return fail({});
        }
        return fail({label.isEmpty()
                          ? QStringLiteral("Nesne: ") + block.TagID() + QStringLiteral(" - BAĞLI DEĞİL!")
                          : QStringLiteral("Nesne: ") + block.TagID() + QStringLiteral(" - ") + label
                                + QStringLiteral(" ile bağlı değil.")});
    }

    void link(int index, const cBlock &block)
    {
        FlowNode &node = m_nodes[std::size_t(index)];
        if (node.kind == FlowNode::Fail || node.code == ActionCode::Stop)
            return;
        if (node.isCondition()) {
            const int yes = follow(block, tranLng(QStringLiteral("YES")));
            const int no = follow(block, tranLng(QStringLiteral("NO")));
            m_nodes[std::size_t(index)].next[0] = yes;
            m_nodes[std::size_t(index)].next[1] = no;
            return;
        }
        if (node.code == ActionCode::Function && !isBuiltInName(node.param[0])) {
            linkCall(index, block);
            return;
        }
        if (node.code == ActionCode::Function)
            node.builtIn = true;
        const int next = follow(block, QString());
        m_nodes[std::size_t(index)].next[0] = next;
    }

    static bool isBuiltInName(const QString &name)
    {
        return name.isEmpty() || BuiltIns::isBuiltIn(name.toUpper());
    }

    // A chart call that cannot happen ends the run where the interpreter would end it: a call
    // without a line onward, or to a chart that cannot be loaded.
    void linkCall(int index, const cBlock &block)
    {
        const QList<cLine *> &lines = m_project.theLineCollection().outgoing(block.TagID());
        QStringList unlinked;
        if (lines.isEmpty())
            unlinked = {QStringLiteral("Nesne: ") + block.TagID() + QStringLiteral(" - BAĞLI DEĞİL!")};
        if (lines.isEmpty() || !m_project.theBlockCollection().item(lines.first()->sTo())) {
            unlinked.append(QStringLiteral("Fonksiyon bağlı değil!"));
            turnIntoFail(index, unlinked);
            return;
        }
        const int callee = m_callee(block.zParam1());
        if (callee < 0) {
            turnIntoFail(index, {QStringLiteral("Fonksiyon yüklenemiyor: ") + block.zParam1()});
            return;
        }
        const int next = follow(block, QString());
        m_nodes[std::size_t(index)].callee = callee;
        m_nodes[std::size_t(index)].next[0] = next;
    }

    void turnIntoFail(int index, const QStringList &messages)
    {
        FlowNode &node = m_nodes[std::size_t(index)];
        node.kind = FlowNode::Fail;
        node.messages = messages;
    }

    const Project &m_project;
    std::vector<FlowNode> &m_nodes;
    const FlowChart::CalleeLookup &m_callee;
    QHash<const cBlock *, int> m_index;
    std::vector<std::pair<int, const cBlock *>> m_pending;
};

} // namespace

FlowChart FlowChart::fromProject(const Project &project, const QString &fileName, const CalleeLookup &callee,
                                 QString &refusal)
{
    FlowChart chart;
    chart.m_fileName = fileName;
    Builder builder(project, chart.m_nodes, callee);
    const cBlock *start = project.theBlockCollection().firstWithAction(QStringLiteral("START"));
    if (!start) {
        chart.m_entry = builder.fail({QStringLiteral("Nesne: START - bulunamadı!")});
        return chart;
    }
    chart.m_locals = TextRules::listItems(start->zParam1());
    chart.m_entry = builder.build(start, refusal);
    return chart;
}

std::vector<int> FlowChart::successors(int index) const
{
    std::vector<int> out;
    for (int next : node(index).next) {
        if (next >= 0)
            out.push_back(next);
    }
    return out;
}
