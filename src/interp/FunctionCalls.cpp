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

bool FunctionCalls::loadChart(const QString &fileName)
{
    // The exact name first: the usual case then costs no look at the folder.
    const QString folder = m_p.project.projectFolder();
    const QString exact = folder + fileName;
    if (m_p.project.enterChart(exact))
        return true;
    const QString other = chartPath(folder, fileName);
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
    }
    return m_locals;
}

void FunctionCalls::endRun(const QString &message)
{
    m_p.log.mBox(message);
    throw RunEnded{};
}

void FunctionCalls::callProject(cBlock &block)
{
    const QString name = block.zParam1();
    const QString callerTag = block.TagID();
    m_p.stack.PUSH(valueOf(m_param));
    m_p.stack.PUSH(m_p.vars.ifVarGetValue(block.zParam2()));
    m_p.stack.PUSH(block.zParam3());
    m_p.stack.PUSH(Paths::fileNameOf(m_p.project.projectPath()));
    const cBlock *after = m_interpreter.nextBlock(&block, QString());
    if (!after)
        endRun(QStringLiteral("Fonksiyon bağlı değil!"));
    m_p.host.hideSelector();
    m_p.stack.PUSH(after->TagID());
    if (loadChart(name + QStringLiteral(".vnp"))) {
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

void FunctionCalls::saveLocals(const QString &list)
{
    // A copy (shared, not copied): a push that overflows ends the run, and a later run may
    // split another list meanwhile.
    const QStringList items = localsOf(list);
    for (const QString &item : items)
        m_p.stack.PUSH(m_p.vars.ifVarGetValue(item));
}

void FunctionCalls::restoreLocals(const QString &list)
{
    const QStringList items = localsOf(list);
    for (auto it = items.crbegin(); it != items.crend(); ++it)
        m_p.vars.setVar(*it, m_p.stack.POP());
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
    if (CS.isEmpty() || !loadChart(CS))
        endRun(cannotReturn + QStringLiteral("Yığın dönüş için yanlış CS bilgisi içeriyor: ") + CS);
    cBlock *at = m_p.project.theBlockCollection().item(IP);
    if (!at)
        endRun(cannotReturn + QStringLiteral("Yığın dönüş için yanlış IP bilgisi içeriyor: ") + IP);
    m_run.setCurrentBlock(at);
}
