#pragma once

#include "interp/ConsoleScreen.h"
#include "interp/RunParts.h"
#include "interp/Value.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

class cBlock;

// The last blocks a paused or timed run executed, each with what it changed, so that a step
// back puts the run exactly where it was before the block: variables (values and creation),
// the console, the stack, the chart on show and the call depth. An entry keeps only what its
// block changed, found by comparing with a copy of the state as the entry before left it.
class RunHistory {
public:
    static constexpr std::size_t Capacity = 10000;

    enum class Back { Done, Empty, Window };
    // Where a step back leaves the run.
    struct Place {
        QString tag;
        int depth = 0;
    };

    explicit RunHistory(RunParts parts);

    // Forgets every entry and takes the present state as the starting point.
    void clear();
    // The block is about to execute: the entry before it is closed, one is opened for it.
    void blockStarting(const cBlock &block, int depth);
    // The run pauses: the last block's changes are taken now.
    void pausing() { closeLast(); }
    // The run goes on: what changed while it was paused (an edited variable) is no block's.
    void resuming() { takeShadows(); }
    std::size_t size() const { return m_entries.size(); }
    // Undoes the last block; `place` tells where the run stands afterwards.
    Back stepBack(Place &place);

private:
    struct VariableChange {
        int column;
        Value old;
    };
    struct StackChange {
        int row;
        Value old;
        QString oldPath;
    };
    struct Entry {
        QString chartPath;
        QString tag;
        int depth = 0;
        bool barrier = false; // a window was shown: no way back past it
        bool input = false;
        QString typed;
        int columnCount = 0;
        std::vector<VariableChange> variables;
        bool stackChanged = false;
        int sp = 0;
        int marker = 0;
        std::vector<StackChange> stack;
        std::optional<ConsoleScreen::State> console;
    };

    static bool showsWindow(const cBlock &block);
    void closeLast();
    void takeShadows();
    void diffVariables(Entry &entry);
    void diffStack(Entry &entry);
    void restore(const Entry &entry);

    RunParts m_parts;
    std::deque<Entry> m_entries;
    bool m_open = false;
    std::vector<QString> m_replays; // typed lines of inputs stepped back over, the next one last
    // The state as the last closed entry left it.
    std::vector<Value> m_variables;
    quint64 m_variablesRevision = 0;
    std::vector<Value> m_stack;
    std::vector<QString> m_paths;
    int m_sp = 0;
    int m_marker = 0;
    quint64 m_stackRevision = 0;
    ConsoleScreen::State m_console;
    quint64 m_consoleRevision = 0;
};
