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

RunHistory::RunHistory(RunParts parts) : m_parts(parts)
{
    m_stack.resize(CallStack::RowCount);
    m_paths.resize(CallStack::RowCount);
}

bool RunHistory::showsWindow(const cBlock &block)
{
    if (block.actionCode() == ActionCode::Window)
        return true;
    return block.actionCode() == ActionCode::Definition
        && (namesObject(block.zParam1()) || namesObject(block.zParam2()));
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
    const VariableStore &vars = m_parts.vars;
    m_variables.resize(std::size_t(vars.columnCount()));
    for (int column = 0; column < vars.columnCount(); ++column)
        m_variables[std::size_t(column)] = vars.valueAt(column);
    m_variablesRevision = vars.revision();
    for (int row = 0; row < CallStack::RowCount; ++row) {
        m_stack[std::size_t(row)] = m_parts.stack.entryAt(row);
        m_paths[std::size_t(row)] = m_parts.stack.callerPathAt(row);
    }
    m_sp = m_parts.stack.SP();
    m_marker = m_parts.stack.markerRow();
    m_stackRevision = m_parts.stack.revision();
    m_console = m_parts.console.state();
    m_consoleRevision = m_parts.console.revision();
}

void RunHistory::blockStarting(const cBlock &block, int depth)
{
    closeLast();
    if (m_entries.size() == Capacity)
        m_entries.pop_front();
    Entry &entry = m_entries.emplace_back();
    entry.chartPath = m_parts.project.projectPath();
    entry.tag = block.TagID();
    entry.depth = depth;
    entry.barrier = showsWindow(block);
    entry.input = block.actionCode() == ActionCode::Input;
    if (entry.input && !m_replays.empty()) {
        m_parts.console.replayNextInput(m_replays.back());
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
        entry.typed = m_parts.console.inputText();
    diffVariables(entry);
    diffStack(entry);
    if (m_parts.console.revision() != m_consoleRevision) {
        entry.console = std::move(m_console);
        m_console = m_parts.console.state();
        m_consoleRevision = m_parts.console.revision();
    }
}

void RunHistory::diffVariables(Entry &entry)
{
    const VariableStore &vars = m_parts.vars;
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
    const CallStack &stack = m_parts.stack;
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
    if (m_parts.project.projectPath() != entry.chartPath)
        m_parts.project.enterChart(entry.chartPath);
    m_parts.vars.truncate(entry.columnCount);
    for (const VariableChange &change : entry.variables)
        m_parts.vars.setValueAt(change.column, change.old);
    for (const StackChange &change : entry.stack)
        m_parts.stack.restoreRow(change.row, change.old, change.oldPath);
    if (entry.stackChanged)
        m_parts.stack.restorePointers(entry.sp, entry.marker);
    if (entry.console)
        m_parts.console.restore(*entry.console);
}
