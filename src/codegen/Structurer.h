#pragma once

#include "codegen/CodeStatement.h"

#include <vector>

class FlowChart;

// Finds the if/else branches and the loops that a chart's lines make: dominators give the back
// lines (loops) and post-dominators the point where a condition's two ways meet again. Where
// lines jump into the middle of a loop, the part from the block that dominates both ends of the
// jump to where its ways meet again runs as a state machine, and the rest stays structured; a
// chart where that is not enough (or that leaves two loops at once) runs as one state machine.
class Structurer {
public:
    explicit Structurer(const FlowChart &chart);

    std::vector<CodeStatement> structure();
    // Whether the last structure() found the structured form.
    bool structured() const { return m_structured; }

private:
    struct Unstructured {};
    struct RegionFound {};
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
    std::vector<CodeStatement> structuredCode();
    std::vector<CodeStatement> stateMachine() const;
    CodeStatement machineOf(const std::vector<int> &states, int first, int exit) const;
    CodeStatement regionMachine(int entry);
    int regionOf(int node) const;
    int nearestCommonDominator(int a, int b) const;
    void addRegion(int entry);
    std::vector<char> reachable(int from, int stop) const;
    bool reachesAny(int from, const std::vector<char> &targets) const;

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
    // Per block, the entry of the region that runs as a state machine around it; -1 for none.
    std::vector<int> m_region;
    std::vector<int> m_regionExit; // per region entry, the block after the region (-1: none)
    bool m_useRegions = true;
    bool m_structured = false;
};
