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
            if (regionOf(from) >= 0 && regionOf(from) == regionOf(to))
                continue; // inside a region that runs as a state machine
            if (!dominates(to, from)) {
                if (!m_useRegions)
                    throw Unstructured{}; // a second way into a loop
                addRegion(nearestCommonDominator(to, from));
                throw RegionFound{};
            }
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
        if (regionOf(node) == node) {
            out.push_back(regionMachine(node));
            node = m_regionExit[std::size_t(node)];
            continue;
        }
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

// The blocks of `states` as a state machine starting at `first`; a jump to `exit` leaves it.
CodeStatement Structurer::machineOf(const std::vector<int> &states, int first, int exit) const
{
    CodeStatement machine = CodeStatement::make(CodeStatement::Machine, first);
    machine.exit = exit;
    const auto jump = [&](int target) { return CodeStatement::make(CodeStatement::Jump, target == exit ? -1 : target); };
    for (const int node : states) {
        const FlowNode &flow = m_chart.node(node);
        CodeStatement state = CodeStatement::make(CodeStatement::Case, node);
        if (flow.endsRun()) {
            CodeStatement end = CodeStatement::make(CodeStatement::Do, node);
            end.ends = true;
            state.body.push_back(end);
        } else if (flow.isCondition()) {
            CodeStatement branch = CodeStatement::make(CodeStatement::If, node);
            branch.body.push_back(jump(flow.next[0]));
            branch.orElse.push_back(jump(flow.next[1]));
            state.body.push_back(std::move(branch));
        } else {
            if (flow.code != ActionCode::Intersection)
                state.body.push_back(CodeStatement::make(CodeStatement::Do, node));
            state.body.push_back(jump(flow.next[0]));
        }
        machine.body.push_back(std::move(state));
    }
    return machine;
}

std::vector<CodeStatement> Structurer::stateMachine() const
{
    CodeStatement machine = machineOf(m_order, m_chart.entry(), -2);
    machine.note = QStringLiteral("Bu şemanın çizgileri if/while ile yazılamıyor (bir döngünün ortasına atlayan ya da "
                                  "iki döngüden birden çıkan bir çizgi var): bloklar durum makinesiyle çalışır.");
    return {machine};
}

CodeStatement Structurer::regionMachine(int entry)
{
    std::vector<int> states;
    for (const int node : m_order) {
        if (regionOf(node) == entry) {
            states.push_back(node);
            m_emitted[std::size_t(node)] = 1;
        }
    }
    CodeStatement machine = machineOf(states, entry, m_regionExit[std::size_t(entry)]);
    machine.note = QStringLiteral("Buradaki bir çizgi bir döngünün ortasına atlıyor; if/while ile yazılamayan bu "
                                  "bölümün blokları durum makinesiyle çalışır.");
    return machine;
}

int Structurer::regionOf(int node) const
{
    return m_region.empty() ? -1 : m_region[std::size_t(node)];
}

int Structurer::nearestCommonDominator(int a, int b) const
{
    std::vector<char> above(std::size_t(m_count), 0);
    for (int d = a;; d = m_idom[std::size_t(d)]) {
        above[std::size_t(d)] = 1;
        if (d == m_idom[std::size_t(d)])
            break;
    }
    int d = b;
    while (!above[std::size_t(d)])
        d = m_idom[std::size_t(d)];
    return d;
}

// The blocks from `entry` up to the first block after it that every way from it passes and that
// leads back to none of them: one way in, one way out.
void Structurer::addRegion(int entry)
{
    if (regionOf(entry) >= 0)
        throw Unstructured{};
    int exit = m_ipdom[std::size_t(entry)];
    std::vector<char> member = reachable(entry, exit);
    while (exit >= 0 && reachesAny(exit, member)) {
        exit = m_ipdom[std::size_t(exit)];
        member = reachable(entry, exit);
    }
    for (int n = 0; n < m_count; ++n) {
        if (!member[std::size_t(n)])
            continue;
        if (regionOf(n) >= 0 || (n != entry && nearestCommonDominator(entry, n) != entry))
            throw Unstructured{}; // regions that overlap, or a second way into the region
        m_region[std::size_t(n)] = entry;
    }
    m_regionExit[std::size_t(entry)] = exit;
}

// The blocks `from` reaches without passing `stop`.
std::vector<char> Structurer::reachable(int from, int stop) const
{
    std::vector<char> seen(std::size_t(m_count), 0);
    std::vector<int> work{from};
    seen[std::size_t(from)] = 1;
    while (!work.empty()) {
        const int n = work.back();
        work.pop_back();
        for (const int s : m_succ[std::size_t(n)]) {
            if (s != stop && !seen[std::size_t(s)]) {
                seen[std::size_t(s)] = 1;
                work.push_back(s);
            }
        }
    }
    return seen;
}

bool Structurer::reachesAny(int from, const std::vector<char> &targets) const
{
    const std::vector<char> seen = reachable(from, -1);
    for (int n = 0; n < m_count; ++n) {
        if (seen[std::size_t(n)] && targets[std::size_t(n)])
            return true;
    }
    return false;
}

std::vector<CodeStatement> Structurer::structure()
{
    m_structured = false;
    if (m_chart.entry() < 0)
        return {};
    findDominators();
    findPostDominators();
    m_region.assign(std::size_t(m_count), -1);
    m_regionExit.assign(std::size_t(m_count), -1);
    for (m_useRegions = true;;) {
        try {
            return structuredCode();
        } catch (const RegionFound &) {
            continue; // once more, with the new region as one piece
        } catch (const Unstructured &) {
            if (!m_useRegions)
                return stateMachine();
            // The regions did not help: the whole chart runs as one state machine.
            m_useRegions = false;
            m_region.assign(std::size_t(m_count), -1);
        }
    }
}

std::vector<CodeStatement> Structurer::structuredCode()
{
    findLoops();
    m_emitted.assign(std::size_t(m_count), 0);
    m_loopOpen.assign(std::size_t(m_count), 0);
    m_loopFollowOf.assign(std::size_t(m_count), -1);
    m_loops.clear();
    std::vector<CodeStatement> code;
    emitSequence(m_chart.entry(), -1, code);
    CodeTidy::tidy(code);
    m_structured = std::all_of(m_region.begin(), m_region.end(), [](int r) { return r < 0; });
    return code;
}
