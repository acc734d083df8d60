#include "interp/FunctionCalls.h"

#include "interp/CallStack.h"
#include "interp/RunControl.h"
#include "interp/RunEnded.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "base/Paths.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QDir>
#include <QFileInfo>

FunctionCalls::FunctionCalls(Interpreter &interpreter, RunParts parts, RunControl &run)
    : m_interpreter(interpreter), m_p(parts), m_run(run)
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

const QString &FunctionCalls::pathOf(QHash<QString, QString> &paths, const QString &name, QLatin1StringView suffix)
{
    const QString &folder = m_p.project.projectFolder();
    if (folder != m_pathsFolder) {
        m_pathsFolder = folder;
        m_callPaths.clear();
        m_returnPaths.clear();
    }
    auto it = paths.constFind(name);
    if (it == paths.constEnd()) {
        if (paths.size() >= MaxPaths)
            paths.clear();
        it = paths.insert(name, folder + name + suffix);
    }
    return *it;
}

bool FunctionCalls::loadChart(QHash<QString, QString> &paths, const QString &name, QLatin1StringView suffix)
{
    // The exact name first: the usual case then costs no look at the folder.
    const QString &exact = pathOf(paths, name, suffix);
    if (m_p.project.enterChart(exact))
        return true;
    const QString other = chartPath(m_pathsFolder, name + suffix);
    return other != exact && m_p.project.enterChart(other);
}

int FunctionCalls::columnOf(KnownVariable &variable)
{
    if (variable.generation != m_p.vars.addGeneration()) {
        variable.column = m_p.vars.findVar(variable.name);
        variable.generation = m_p.vars.addGeneration();
    }
    return variable.column;
}

// ifVarGetValue of the name.
QString FunctionCalls::valueOf(KnownVariable &variable)
{
    const int column = columnOf(variable);
    return column >= 0 ? m_p.vars.valueAt(column).text() : variable.name;
}

// setVar of the name.
void FunctionCalls::setValue(KnownVariable &variable, const QString &value)
{
    const int column = columnOf(variable);
    if (column >= 0)
        m_p.vars.setValueAt(column, Value(value));
    else
        m_p.vars.setVar(variable.name, value);
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
    if (m_localsGeneration != m_p.vars.addGeneration()) {
        m_localColumns.resize(std::size_t(m_locals.size()));
        for (qsizetype i = 0; i < m_locals.size(); ++i)
            m_localColumns[std::size_t(i)] = m_p.vars.findVar(m_locals[i]);
        m_localsGeneration = m_p.vars.addGeneration();
    }
    return m_localColumns[std::size_t(index)];
}

const QString &FunctionCalls::callerFileName()
{
    const QString &path = m_p.project.projectPath();
    if (!m_callerKnown || path != m_callerPath) {
        m_callerPath = path;
        m_callerName = Paths::fileNameOf(path);
        m_callerKnown = true;
    }
    return m_callerName;
}

void FunctionCalls::endRun(const QString &message)
{
    m_p.log.mBox(message);
    throw RunEnded{};
}

void FunctionCalls::callProject(cBlock &block, const QString &argument)
{
    const QString name = block.zParam1();
    const QString callerTag = block.TagID();
    m_p.stack.PUSH(valueOf(m_param));
    m_p.stack.PUSH(argument);
    m_p.stack.PUSH(block.zParam3());
    m_p.stack.PUSH(callerFileName());
    const cBlock *after = m_interpreter.followingBlock(&block);
    if (!after)
        endRun(QStringLiteral("Fonksiyon bağlı değil!"));
    m_p.host.hideSelector();
    m_p.stack.PUSH(after->TagID());
    if (loadChart(m_callPaths, name, QLatin1StringView(".vnp"))) {
        cBlock *start = m_interpreter.findBlockByAction(QStringLiteral("START"));
        m_run.setCurrentBlock(start);
        m_p.host.setSelector(start);
        return;
    }
    // A file that exists but failed to load has replaced the drawing: look the caller up again.
    m_p.host.setSelector(m_p.project.theBlockCollection().item(callerTag));
    endRun(QStringLiteral("Fonksiyon yüklenemiyor: ") + name);
}

void FunctionCalls::startBlock(const cBlock &block)
{
    const int parRow = m_p.stack.SP() + 3;
    if (parRow >= 0 && parRow < CallStack::RowCount)
        setValue(m_param, m_p.stack.valueAt(parRow));
    else
        m_p.log.mBox(QStringLiteral("Yanlış fonksiyon çağrısı - parametreler yığından okunamıyor."));
    saveLocals(block.zParam1());
}

// By index, with each column looked up after the push or pop before it: a full or empty stack
// ends the run, and a listener may clear the variables for another run meanwhile.
void FunctionCalls::saveLocals(const QString &list)
{
    localsOf(list);
    for (qsizetype i = 0; i < m_locals.size(); ++i) {
        const int column = localColumn(i);
        m_p.stack.PUSH(column >= 0 ? m_p.vars.valueAt(column).text() : m_locals[i]);
    }
}

void FunctionCalls::restoreLocals(const QString &list)
{
    localsOf(list);
    for (qsizetype i = m_locals.size() - 1; i >= 0 && i < m_locals.size(); --i) {
        const QString value = m_p.stack.POP();
        const int column = localColumn(i);
        if (column >= 0)
            m_p.vars.setValueAt(column, Value(value));
        else
            m_p.vars.setVar(m_locals[i], value);
    }
}

void FunctionCalls::stopBlock()
{
    if (const cBlock *start = m_interpreter.findBlockByAction(QStringLiteral("START")))
        restoreLocals(start->zParam1());
    const QString IP = m_p.stack.POP();
    const QString CS = m_p.stack.POP();
    const QString RET = m_p.stack.POP();
    m_p.stack.POP();
    if (!RET.isEmpty()) {
        const int column = columnOf(m_return);
        // A missing RETURN goes through the named lookup, which reports it.
        m_p.vars.setVar(RET, column >= 0 ? m_p.vars.valueAt(column).text() : m_p.vars.getVar(m_return.name));
    }
    // The caller's PARAM comes back before the caller does, so that it is back however the
    // return ends.
    setValue(m_param, m_p.stack.POP());
    if (CS == QStringLiteral("CS-OS")) {
        m_run.markCompleted();
        throw RunEnded{};
    }
    returnToCaller(CS, IP);
}

void FunctionCalls::returnToCaller(const QString &CS, const QString &IP)
{
    m_p.host.hideSelector();
    const QString cannotReturn = QStringLiteral("Çağıran fonksiyona dönülemiyor\r\n");
    // An untitled caller has no file name to return to; the project folder itself is no chart.
    if (CS.isEmpty() || !loadChart(m_returnPaths, CS, QLatin1StringView()))
        endRun(cannotReturn + QStringLiteral("Yığın dönüş için yanlış CS bilgisi içeriyor: ") + CS);
    cBlock *at = m_p.project.theBlockCollection().item(IP);
    if (!at)
        endRun(cannotReturn + QStringLiteral("Yığın dönüş için yanlış IP bilgisi içeriyor: ") + IP);
    m_run.setCurrentBlock(at);
}
