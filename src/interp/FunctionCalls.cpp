#include "interp/FunctionCalls.h"

#include "interp/CallStack.h"
#include "interp/ChartWalk.h"
#include "interp/RunEnded.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "base/Paths.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

FunctionCalls::FunctionCalls(RunParts parts, RunState &state, ChartWalk &walk)
    : m_parts(parts), m_state(state), m_walk(walk)
{
}

QString FunctionCalls::chartPath(const QString &folder, const QString &fileName)
{
    const QString exact = folder + fileName;
    if (fileName.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString &candidate : entries) {
        if (candidate.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder + candidate;
    }
    return exact;
}

// The exact path first: the usual case then costs no look at the folder.
bool FunctionCalls::enterChart(const QString &path)
{
    if (m_parts.project.enterChart(path))
        return true;
    const QString other = chartPath(Paths::folderOf(path), Paths::fileNameOf(path));
    return other != path && m_parts.project.enterChart(other);
}

// The path a block calls is built once per version of the block and folder of its chart.
bool FunctionCalls::enterCalled(const cBlock &block)
{
    RunCache &cache = block.runCache();
    const QString &folder = m_parts.project.projectFolder();
    if (cache.calledRevision != block.revision() || !Paths::samePath(cache.calledFrom, folder)) [[unlikely]] {
        cache.calledPath = folder + block.zParam1() + QStringLiteral(".vnp");
        cache.calledFrom = folder;
        cache.calledRevision = block.revision();
    }
    // A copy: the call replaces the chart the block is in.
    const QString path = cache.calledPath;
    return enterChart(path);
}

int FunctionCalls::columnOf(KnownVariable &variable)
{
    if (variable.generation != m_parts.vars.addGeneration()) {
        variable.column = m_parts.vars.findVar(variable.name);
        variable.generation = m_parts.vars.addGeneration();
    }
    return variable.column;
}

// ifVarGetValue of the name.
Value FunctionCalls::valueOf(KnownVariable &variable)
{
    const int column = columnOf(variable);
    return column >= 0 ? m_parts.vars.valueAt(column) : Value(variable.name);
}

// setVar of the name.
void FunctionCalls::setValue(KnownVariable &variable, const Value &value)
{
    const int column = columnOf(variable);
    if (column >= 0) {
        m_parts.vars.setValueAt(column, value);
        return;
    }
    variable.column = m_parts.vars.setValue(variable.name, value);
    variable.generation = m_parts.vars.addGeneration();
}

FunctionCalls::KnownVariable &FunctionCalls::resultVariable(const QString &name)
{
    if (m_result.name != name) {
        m_result.name = name;
        m_result.generation = 0;
    }
    return m_result;
}

const QStringList &FunctionCalls::localsOf(const QString &list)
{
    if (list != m_localsText) {
        m_localsText = list;
        m_locals = TextRules::listItems(list);
        m_localsGeneration = 0;
    }
    return m_locals;
}

// The column of a local of the last list split; -1 when no variable has its name.
int FunctionCalls::localColumn(qsizetype index)
{
    if (m_localsGeneration != m_parts.vars.addGeneration()) {
        m_localColumns.resize(std::size_t(m_locals.size()));
        for (qsizetype i = 0; i < m_locals.size(); ++i)
            m_localColumns[std::size_t(i)] = m_parts.vars.findVar(m_locals[i]);
        m_localsGeneration = m_parts.vars.addGeneration();
    }
    return m_localColumns[std::size_t(index)];
}

void FunctionCalls::endRun(const MessageText &message)
{
    m_parts.log.mBox(message);
    throw RunEnded{};
}

void FunctionCalls::callProject(cBlock &block, const Value &argument)
{
    const QString callerTag = block.TagID();
    m_parts.stack.PUSH(valueOf(m_param));
    m_parts.stack.PUSH(argument);
    m_parts.stack.PUSH(block.zParam3());
    m_parts.stack.pushCaller(m_parts.project.projectFileName(), m_parts.project.projectPath());
    const cBlock *after = m_walk.followingBlock(&block);
    if (!after)
        endRun(MessageText::of(QT_TRANSLATE_NOOP("Message", "Fonksiyon bağlı değil!")));
    m_parts.host.hideSelector();
    m_parts.stack.PUSH(after->TagID());
    const QString name = block.zParam1();
    if (enterCalled(block)) {
        cBlock *start = m_walk.findBlockByAction(QStringLiteral("START"));
        ++m_state.depth;
        m_state.currentBlock = start;
        m_parts.host.setSelector(start);
        return;
    }
    // A file that exists but failed to load has replaced the drawing: look the caller up again.
    m_parts.host.setSelector(m_parts.project.theBlockCollection().item(callerTag));
    endRun(MessageText::of(QT_TRANSLATE_NOOP("Message", "Fonksiyon yüklenemiyor: %1"), {name}));
}

void FunctionCalls::startBlock(const cBlock &block)
{
    const int parRow = m_parts.stack.SP() + 3;
    if (parRow >= 0 && parRow < CallStack::RowCount)
        setValue(m_param, m_parts.stack.entryAt(parRow));
    else
        m_parts.log.mBox(
            MessageText::of(QT_TRANSLATE_NOOP("Message", "Yanlış fonksiyon çağrısı - parametreler yığından okunamıyor.")));
    saveLocals(block.zParam1());
}

// By index, with each column looked up after the push or pop before it: a full or empty stack
// ends the run, and a listener may clear the variables for another run meanwhile.
void FunctionCalls::saveLocals(const QString &list)
{
    localsOf(list);
    for (qsizetype i = 0; i < m_locals.size(); ++i) {
        const int column = localColumn(i);
        m_parts.stack.PUSH(column >= 0 ? m_parts.vars.valueAt(column) : Value(m_locals[i]));
    }
}

void FunctionCalls::restoreLocals(const QString &list)
{
    localsOf(list);
    for (qsizetype i = m_locals.size() - 1; i >= 0 && i < m_locals.size(); --i) {
        Value value = m_parts.stack.popValue();
        const int column = localColumn(i);
        if (column >= 0)
            m_parts.vars.setValueAt(column, std::move(value));
        else
            m_parts.vars.setValue(m_locals[i], std::move(value));
    }
}

void FunctionCalls::stopBlock()
{
    if (const cBlock *start = m_walk.findBlockByAction(QStringLiteral("START")))
        restoreLocals(start->zParam1());
    const QString IP = m_parts.stack.POP();
    QString callerPath = m_parts.stack.callerPathOnTop();
    const QString CS = m_parts.stack.POP();
    const QString RET = m_parts.stack.POP();
    m_parts.stack.popValue(); // the argument, unread
    if (!RET.isEmpty()) {
        const int column = columnOf(m_return);
        // A missing RETURN goes through the named lookup, which reports it.
        setValue(resultVariable(RET),
                 column >= 0 ? m_parts.vars.valueAt(column) : Value(m_parts.vars.getVar(m_return.name)));
    }
    // The caller's PARAM comes back before the caller does, so that it is back however the
    // return ends.
    setValue(m_param, m_parts.stack.popValue());
    if (CS == QStringLiteral("CS-OS")) {
        m_state.completed = true;
        throw RunEnded{};
    }
    returnToCaller(CS, std::move(callerPath), IP);
}

// The caller is looked for at the path kept beside its file name, where it was when it called;
// without one, in the folder of the chart on show.
void FunctionCalls::returnToCaller(const QString &CS, QString path, const QString &IP)
{
    m_parts.host.hideSelector();
    if (path.isEmpty())
        path = m_parts.project.projectFolder() + CS;
    // An untitled caller has no file name to return to; the project folder itself is no chart.
    if (CS.isEmpty() || !enterChart(path))
        endRun(MessageText::of(QT_TRANSLATE_NOOP("Message", "Çağıran fonksiyona dönülemiyor\r\n"
                                                            "Yığın dönüş için yanlış CS bilgisi içeriyor: %1"),
                               {CS}));
    cBlock *at = m_parts.project.theBlockCollection().item(IP);
    if (!at)
        endRun(MessageText::of(QT_TRANSLATE_NOOP("Message", "Çağıran fonksiyona dönülemiyor\r\n"
                                                            "Yığın dönüş için yanlış IP bilgisi içeriyor: %1"),
                               {IP}));
    --m_state.depth;
    m_state.currentBlock = at;
}
