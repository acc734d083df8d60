#include "interp/RunHistory.h"

#include "interp/CallStack.h"
#include "interp/VariableStore.h"
#include "model/cBlock.h"
#include "project/Project.h"

namespace {

bool namesObject(const QString &text)
{
    return text.contains(QLatin1Char('.')) && !text.startsWith(QLatin1Char('"'));
}

} // namespace

RunHistory::RunHistory(RunParts parts) : m_p(parts)
{
    m_stack.resize(CallStack::RowCount);
    m_paths.resize(CallStack::RowCount);
}

bool RunHistory::showsWindow(const cBlock &block)
{
    if (block.actionCode() == ActionCode::Window)
        return true;
    return block.actionCode() == ActionCode::Definition && (namesObject(block.zParam1()) || namesObject(block.zParam2()));
}

void RunHistory::clear()
{
    m_entries.clear();
    m_replays.clear();
    m_open = false;
    takeShadows();
}

void RunHistory::takeShadows()
{
    const VariableStore &vars = m_p.vars;
    m_variables.resize(std::size_t(vars.columnCount()));
    for (int column = 0; column < vars.columnCount(); ++column)
        m_variables[std::size_t(column)] = vars.valueAt(column);
    m_variablesRevision = vars.revision();
    for (int row = 0; row < CallStack::RowCount; ++row) {
        m_stack[std::size_t(row)] = m_p.stack.entryAt(row);
        m_paths[std::size_t(row)] = m_p.stack.callerPathAt(row);
    }
    m_sp = m_p.stack.SP();
    m_marker = m_p.stack.markerRow();
    m_stackRevision = m_p.stack.revision();
    m_console = m_p.console.state();
    m_consoleRevision = m_p.console.revision();
}

void RunHistory::blockStarting(const cBlock &block, int depth)
{
    closeLast();
    if (m_entries.size() == Capacity)
        m_entries.pop_front();
    Entry &entry = m_entries.emplace_back();
    entry.chartPath = m_p.project.projectPath();
    entry.tag = block.TagID();
    entry.depth = depth;
    entry.barrier = showsWindow(block);
    entry.input = block.actionCode() == ActionCode::Input;
    if (entry.input && !m_replays.empty()) {
        m_p.console.replayNextInput(m_replays.back());
        m_replays.pop_back();
    }
    m_open = true;
}

void RunHistory::closeLast()
{
    if (!m_open || m_entries.empty())
        return;
    m_open = false;
    Entry &entry = m_entries.back();
    if (entry.input)
        entry.typed = m_p.console.inputText();
    diffVariables(entry);
    diffStack(entry);
    if (m_p.console.revision() != m_consoleRevision) {
        entry.console = std::move(m_console);
        m_console = m_p.console.state();
        m_consoleRevision = m_p.console.revision();
    }
}

void RunHistory::diffVariables(Entry &entry)
{
    const VariableStore &vars = m_p.vars;
    entry.columnCount = int(m_variables.size());
    if (vars.revision() == m_variablesRevision)
        return;
    const int kept = qMin(vars.columnCount(), entry.columnCount);
    for (int column = 0; column < kept; ++column) {
        Value &shadow = m_variables[std::size_t(column)];
        const Value &now = vars.valueAt(column);
        if (shadow.text() != now.text()) {
            entry.variables.push_back({column, shadow});
            shadow = now;
        }
    }
    m_variables.resize(std::size_t(vars.columnCount()));
    for (int column = kept; column < vars.columnCount(); ++column)
        m_variables[std::size_t(column)] = vars.valueAt(column);
    m_variablesRevision = vars.revision();
}

void RunHistory::diffStack(Entry &entry)
{
    const CallStack &stack = m_p.stack;
    if (stack.revision() == m_stackRevision)
        return;
    entry.stackChanged = true;
    entry.sp = m_sp;
    entry.marker = m_marker;
    for (int row = 0; row < CallStack::RowCount; ++row) {
        const std::size_t at = std::size_t(row);
        if (m_stack[at].text() != stack.valueAt(row) || m_paths[at] != stack.callerPathAt(row)) {
            entry.stack.push_back({row, m_stack[at], m_paths[at]});
            m_stack[at] = stack.entryAt(row);
            m_paths[at] = stack.callerPathAt(row);
        }
    }
    m_sp = stack.SP();
    m_marker = stack.markerRow();
    m_stackRevision = stack.revision();
}

RunHistory::Back RunHistory::stepBack(Place &place)
{
    closeLast();
    if (m_entries.empty())
        return Back::Empty;
    const Entry &entry = m_entries.back();
    if (entry.barrier)
        return Back::Window;
    restore(entry);
    place.tag = entry.tag;
    place.depth = entry.depth;
    if (entry.input)
        m_replays.push_back(entry.typed);
    m_entries.pop_back();
    takeShadows();
    return Back::Done;
}

void RunHistory::restore(const Entry &entry)
{
    if (m_p.project.projectPath() != entry.chartPath)
        m_p.project.enterChart(entry.chartPath);
    m_p.vars.truncate(entry.columnCount);
    for (const VariableChange &change : entry.variables)
        m_p.vars.setValueAt(change.column, change.old);
    for (const StackChange &change : entry.stack)
        m_p.stack.restoreRow(change.row, change.old, change.oldPath);
    if (entry.stackChanged)
        m_p.stack.restorePointers(entry.sp, entry.marker);
    if (entry.console)
        m_p.console.restore(*entry.console);
}
