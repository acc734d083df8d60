#include "codegen/Structurer.h"

#include "codegen/CodeTidy.h"
#include "codegen/FlowChart.h"

#include <algorithm>
#include <functional>

namespace {

// Cooper, Harvey and Kennedy's iterative method over a reverse post-order.
std::vector<int> immediateDominators(int count, int entry, const std::vector<std::vector<int>> &succ,
                                     const std::vector<std::vector<int>> &pred, std::vector<int> &order)
{
    std::vector<int> post;
    std::vector<char> seen(std::size_t(count), 0);
    // Iterative depth-first walk: charts may be long, and the stack of the program is no place
    // for a walk as deep as the chart.
    std::vector<std::pair<int, std::size_t>> stack{{entry, 0}};
    seen[std::size_t(entry)] = 1;
    while (!stack.empty()) {
        auto &[node, next] = stack.back();
        if (next < succ[std::size_t(node)].size()) {
            const int s = succ[std::size_t(node)][next++];
            if (!seen[std::size_t(s)]) {
                seen[std::size_t(s)] = 1;
                stack.push_back({s, 0});
            }
            continue;
        }
        post.push_back(node);
        stack.pop_back();
    }
    order.assign(post.rbegin(), post.rend());
    std::vector<int> rank(std::size_t(count), -1);
    for (std::size_t i = 0; i < order.size(); ++i)
        rank[std::size_t(order[i])] = int(i);
    std::vector<int> idom(std::size_t(count), -1);
    idom[std::size_t(entry)] = entry;
    const auto intersect = [&](int a, int b) {
        while (a != b) {
            while (rank[std::size_t(a)] > rank[std::size_t(b)])
                a = idom[std::size_t(a)];
            while (rank[std::size_t(b)] > rank[std::size_t(a)])
                b = idom[std::size_t(b)];
        }
        return a;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (const int node : order) {
            if (node == entry)
                continue;
            int found = -1;
            for (const int p : pred[std::size_t(node)]) {
                if (idom[std::size_t(p)] < 0)
                    continue;
                found = found < 0 ? p : intersect(p, found);
            }
            if (found != idom[std::size_t(node)]) {
                idom[std::size_t(node)] = found;
                changed = true;
            }
        }
    }
    return idom;
}

} // namespace

Structurer::Structurer(const FlowChart &chart)
    : m_chart(chart), m_count(int(chart.nodes().size()))
{
    m_succ.resize(std::size_t(m_count));
    m_pred.resize(std::size_t(m_count));
    for (int i = 0; i < m_count; ++i) {
        m_succ[std::size_t(i)] = chart.successors(i);
        for (const int s : m_succ[std::size_t(i)]) {
            if (std::find(m_pred[std::size_t(s)].begin(), m_pred[std::size_t(s)].end(), i) == m_pred[std::size_t(s)].end())
                m_pred[std::size_t(s)].push_back(i);
        }
    }
}

void Structurer::findDominators()
{
    m_idom = immediateDominators(m_count, m_chart.entry(), m_succ, m_pred, m_order);
}

// On the reversed lines, from one exit that every end of the chart leads to.
void Structurer::findPostDominators()
{
    const int exit = m_count;
    std::vector<std::vector<int>> succ(std::size_t(m_count) + 1);
    std::vector<std::vector<int>> pred(std::size_t(m_count) + 1);
    for (int i = 0; i < m_count; ++i) {
        pred[std::size_t(i)] = m_succ[std::size_t(i)];
        for (const int s : m_succ[std::size_t(i)])
            succ[std::size_t(s)].push_back(i);
        if (m_succ[std::size_t(i)].empty()) {
            succ[std::size_t(exit)].push_back(i);
            pred[std::size_t(i)].push_back(exit);
        }
    }
    std::vector<int> order;
    m_ipdom = immediateDominators(m_count + 1, exit, succ, pred, order);
    m_ipdom.pop_back();
    for (int &d : m_ipdom) {
        if (d == exit)
            d = -1;
    }
}

void Structurer::findLoops()
{
    m_loopBody.assign(std::size_t(m_count), {});
    std::vector<int> rank(std::size_t(m_count), -1);
    for (std::size_t i = 0; i < m_order.size(); ++i)
        rank[std::size_t(m_order[i])] = int(i);
    const auto dominates = [&](int a, int b) {
        for (int d = b;; d = m_idom[std::size_t(d)]) {
            if (d == a)
                return true;
            if (d < 0 || d == m_idom[std::size_t(d)])
                return false;
        }
    };
    for (const int from : m_order) {
        for (const int to : m_succ[std::size_t(from)]) {
            if (rank[std::size_t(to)] > rank[std::size_t(from)])
                continue; // a forward line
            if (!dominates(to, from))
                throw Unstructured{}; // a second way into a loop
            std::vector<char> &body = m_loopBody[std::size_t(to)];
            body.resize(std::size_t(m_count), 0);
            body[std::size_t(to)] = 1;
            std::vector<int> work{from};
            while (!work.empty()) {
                const int n = work.back();
                work.pop_back();
                if (body[std::size_t(n)])
                    continue;
                body[std::size_t(n)] = 1;
                for (const int p : m_pred[std::size_t(n)])
                    work.push_back(p);
            }
        }
    }
}

bool Structurer::inLoop(int header, int node) const
{
    return node >= 0 && m_loopBody[std::size_t(header)][std::size_t(node)];
}

// Where a loop goes on when it is left: the first block after it that every way out leads to,
// else the way out of its first test.
int Structurer::loopFollow(int header) const
{
    for (int d = m_ipdom[std::size_t(header)]; d >= 0; d = m_ipdom[std::size_t(d)]) {
        if (!inLoop(header, d))
            return d;
    }
    for (const int s : m_succ[std::size_t(header)]) {
        if (!inLoop(header, s))
            return s;
    }
    for (const int n : m_order) {
        if (!inLoop(header, n))
            continue;
        for (const int s : m_succ[std::size_t(n)]) {
            if (!inLoop(header, s) && !m_chart.node(s).endsRun())
                return s;
        }
    }
    return -1;
}

int Structurer::mergeOf(int condition) const
{
    const int merge = m_ipdom[std::size_t(condition)];
    if (m_loops.empty() || merge < 0)
        return merge;
    const LoopContext &loop = m_loops.back();
    return inLoop(loop.header, merge) || merge == loop.follow ? merge : -1;
}

// Leaves the loop being written where `node` is its start or its follow.
bool Structurer::jumpOutOf(int node, std::vector<CodeStatement> &out)
{
    if (m_loops.empty())
        return false;
    if (node == m_loops.back().header) {
        out.push_back(CodeStatement::make(CodeStatement::Continue));
        return true;
    }
    if (node == m_loops.back().follow) {
        out.push_back(CodeStatement::make(CodeStatement::Break));
        return true;
    }
    for (const LoopContext &outer : m_loops) {
        if (node == outer.header || node == outer.follow)
            throw Unstructured{}; // out of two loops at once
    }
    return false;
}

void Structurer::emitSequence(int node, int stop, std::vector<CodeStatement> &out, bool loopStart)
{
    for (bool first = loopStart; node >= 0 && node != stop; first = false) {
        if (!first && jumpOutOf(node, out))
            return;
        if (!m_loopBody[std::size_t(node)].empty() && !m_loopOpen[std::size_t(node)]) {
            emitLoop(node, out);
            node = m_loopFollowOf[std::size_t(node)];
            continue;
        }
        if (m_emitted[std::size_t(node)])
            throw Unstructured{}; // a second way into code written already
        m_emitted[std::size_t(node)] = 1;
        const FlowNode &flow = m_chart.node(node);
        if (flow.endsRun()) {
            CodeStatement end = CodeStatement::make(CodeStatement::Do, node);
            end.ends = true;
            out.push_back(end);
            return;
        }
        if (flow.isCondition()) {
            const int merge = mergeOf(node);
            CodeStatement branch = CodeStatement::make(CodeStatement::If, node);
            emitSequence(flow.next[0], merge, branch.body);
            emitSequence(flow.next[1], merge, branch.orElse);
            out.push_back(std::move(branch));
            node = merge;
            continue;
        }
        if (flow.code != ActionCode::Intersection)
            out.push_back(CodeStatement::make(CodeStatement::Do, node));
        node = flow.next[0];
    }
}

void Structurer::emitLoop(int header, std::vector<CodeStatement> &out)
{
    m_loopOpen[std::size_t(header)] = 1;
    const int follow = loopFollow(header);
    m_loopFollowOf[std::size_t(header)] = follow;
    m_loops.push_back({header, follow});
    CodeStatement loop = CodeStatement::make(CodeStatement::Loop, header);
    emitSequence(header, -1, loop.body, true);
    m_loops.pop_back();
    out.push_back(std::move(loop));
}

std::vector<CodeStatement> Structurer::stateMachine() const
{
    CodeStatement machine = CodeStatement::make(CodeStatement::Machine, m_chart.entry());
    machine.note = QStringLiteral("Bu şemanın çizgileri bir döngünün ortasına atlıyor (ya da iki döngüden "
                                  "birden çıkıyor); if/while ile yazılamadığı için bloklar durum makinesiyle çalışır.");
    for (const int node : m_order) {
        const FlowNode &flow = m_chart.node(node);
        CodeStatement state = CodeStatement::make(CodeStatement::Case, node);
        if (flow.endsRun()) {
            CodeStatement end = CodeStatement::make(CodeStatement::Do, node);
            end.ends = true;
            state.body.push_back(end);
        } else if (flow.isCondition()) {
            CodeStatement branch = CodeStatement::make(CodeStatement::If, node);
            branch.body.push_back(CodeStatement::make(CodeStatement::Jump, flow.next[0]));
            branch.orElse.push_back(CodeStatement::make(CodeStatement::Jump, flow.next[1]));
            state.body.push_back(std::move(branch));
        } else {
            if (flow.code != ActionCode::Intersection)
                state.body.push_back(CodeStatement::make(CodeStatement::Do, node));
            state.body.push_back(CodeStatement::make(CodeStatement::Jump, flow.next[0]));
        }
        machine.body.push_back(std::move(state));
    }
    return {machine};
}

std::vector<CodeStatement> Structurer::structure()
{
    m_structured = false;
    if (m_chart.entry() < 0)
        return {};
    findDominators();
    findPostDominators();
    try {
        findLoops();
        m_emitted.assign(std::size_t(m_count), 0);
        m_loopOpen.assign(std::size_t(m_count), 0);
        m_loopFollowOf.assign(std::size_t(m_count), -1);
        m_loops.clear();
        std::vector<CodeStatement> code;
        emitSequence(m_chart.entry(), -1, code);
        CodeTidy::tidy(code);
        m_structured = true;
        return code;
    } catch (const Unstructured &) {
        return stateMachine();
    }
}
