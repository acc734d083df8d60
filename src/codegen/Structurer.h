#pragma once

#include "codegen/CodeStatement.h"

#include <vector>

class FlowChart;

// Finds the if/else branches and the loops that a chart's lines make: dominators give the back
// lines (loops) and post-dominators the point where a condition's two ways meet again. A chart
// whose lines jump into the middle of a loop, or out of two loops at once, has no such form; its
// blocks become a state machine instead.
class Structurer {
public:
    explicit Structurer(const FlowChart &chart);

    std::vector<CodeStatement> structure();
    // Whether the last structure() found the structured form.
    bool structured() const { return m_structured; }

private:
    struct Unstructured {};
    struct LoopContext {
        int header;
        int follow;
    };

    void findDominators();
    void findPostDominators();
    void findLoops();
    int loopFollow(int header) const;
    int mergeOf(int condition) const;
    bool inLoop(int loopHeader, int node) const;

    void emitSequence(int node, int stop, std::vector<CodeStatement> &out, bool loopStart = false);
    bool jumpOutOf(int node, std::vector<CodeStatement> &out);
    void emitLoop(int header, std::vector<CodeStatement> &out);
    std::vector<CodeStatement> stateMachine() const;

    const FlowChart &m_chart;
    int m_count;
    std::vector<std::vector<int>> m_succ;
    std::vector<std::vector<int>> m_pred;
    std::vector<int> m_order; // reverse post-order from the entry
    std::vector<int> m_idom;
    std::vector<int> m_ipdom;
    std::vector<std::vector<char>> m_loopBody; // per header; empty for other nodes
    std::vector<char> m_emitted;
    std::vector<char> m_loopOpen;
    std::vector<int> m_loopFollowOf;
    std::vector<LoopContext> m_loops;
    bool m_structured = false;
};
