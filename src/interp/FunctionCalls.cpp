#include "interp/FunctionCalls.h"

#include "interp/CallStack.h"
#include "interp/RunControl.h"
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
    if (m_p.project.load_FILE(exact))
        return true;
    const QString other = chartPath(folder, fileName);
    return other != exact && m_p.project.load_FILE(other);
}

void FunctionCalls::callProject(cBlock &block, quint64 serial)
{
    const QString name = block.zParam1();
    const QString callerTag = block.TagID();
    m_p.stack.PUSH(m_p.vars.ifVarGetValue(QStringLiteral("PARAM")));
    m_p.stack.PUSH(m_p.vars.ifVarGetValue(block.zParam2()));
    m_p.stack.PUSH(block.zParam3());
    m_p.stack.PUSH(Paths::fileNameOf(m_p.project.projectPath()));
    if (!m_run.stillRunning(serial))
        return;
    const cBlock *after = m_interpreter.nextBlock(&block, QString());
    if (!after) {
        m_p.log.mBox(QStringLiteral("Fonksiyon bağlı değil!"));
        m_run.TerminateExecution();
        return;
    }
    m_p.host.hideSelector();
    m_p.stack.PUSH(after->TagID());
    // A full stack has ended the run: the called file must not be loaded behind its back.
    if (!m_run.stillRunning(serial))
        return;
    if (loadChart(name + QStringLiteral(".vnp"))) {
        cBlock *start = m_interpreter.findBlockByAction(QStringLiteral("START"));
        m_run.setCurrentBlock(start);
        m_p.host.setSelector(start);
        return;
    }
    // A file that exists but failed to load has replaced the drawing: look the caller up again.
    m_p.host.setSelector(m_p.project.theBlockCollection().item(callerTag));
    m_p.log.mBox(QStringLiteral("Fonksiyon yüklenemiyor: ") + name);
    m_run.TerminateExecution();
}

void FunctionCalls::startBlock(const cBlock &block, quint64 serial)
{
    const int parRow = m_p.stack.SP() + 3;
    if (parRow >= 0 && parRow < CallStack::RowCount)
        m_p.vars.setVar(QStringLiteral("PARAM"), m_p.stack.valueAt(parRow));
    else
        m_p.log.mBox(QStringLiteral("Yanlış fonksiyon çağrısı - parametreler yığından okunamıyor."));
    saveLocals(block.zParam1(), serial);
}

void FunctionCalls::saveLocals(const QString &list, quint64 serial)
{
    const QStringList items = TextRules::listItems(list);
    for (const QString &item : items) {
        if (!m_run.stillRunning(serial))
            return;
        m_p.stack.PUSH(m_p.vars.ifVarGetValue(item));
    }
}

void FunctionCalls::restoreLocals(const QString &list, quint64 serial)
{
    const QStringList items = TextRules::listItems(list);
    for (auto it = items.crbegin(); it != items.crend(); ++it) {
        const QString value = m_p.stack.POP();
        if (!m_run.stillRunning(serial))
            return;
        m_p.vars.setVar(*it, value);
    }
}

void FunctionCalls::stopBlock(quint64 serial)
{
    if (const cBlock *start = m_interpreter.findBlockByAction(QStringLiteral("START")))
        restoreLocals(start->zParam1(), serial);
    if (!m_run.stillRunning(serial))
        return;
    const QString IP = m_p.stack.POP();
    const QString CS = m_p.stack.POP();
    const QString RET = m_p.stack.POP();
    m_p.stack.POP();
    // An empty stack has ended the run; going on would load a file named by nothing.
    if (!m_run.stillRunning(serial))
        return;
    if (!RET.isEmpty())
        m_p.vars.setVar(RET, m_p.vars.getVar(QStringLiteral("RETURN")));
    if (CS == QStringLiteral("CS-OS")) {
        m_run.markCompleted();
        m_run.TerminateExecution();
    } else {
        returnToCaller(CS, IP, serial);
    }
    m_p.vars.setVar(QStringLiteral("PARAM"), m_p.stack.POP());
}

void FunctionCalls::returnToCaller(const QString &CS, const QString &IP, quint64 serial)
{
    m_p.host.hideSelector();
    const QString cannotReturn = QStringLiteral("Çağıran fonksiyona dönülemiyor\r\n");
    // An untitled caller has no file name to return to; the project folder itself is no chart.
    if (CS.isEmpty() || !loadChart(CS)) {
        m_p.log.mBox(cannotReturn + QStringLiteral("Yığın dönüş için yanlış CS bilgisi içeriyor: ") + CS);
        m_run.TerminateExecution();
        return;
    }
    cBlock *at = m_p.project.theBlockCollection().item(IP);
    if (!at) {
        m_p.log.mBox(cannotReturn + QStringLiteral("Yığın dönüş için yanlış IP bilgisi içeriyor: ") + IP);
        m_run.TerminateExecution();
        return;
    }
    if (m_run.stillRunning(serial))
        m_run.setCurrentBlock(at);
}
