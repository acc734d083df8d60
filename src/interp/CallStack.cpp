#include "interp/CallStack.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "interp/RunEnding.h"

CallStack::CallStack(MessageLog *log, RunEnding &run, QObject *parent)
    : QObject(parent), m_log(log), m_run(run)
{
    clearStack();
}

void CallStack::touch()
{
    ++m_revision;
    if (m_announced)
        return;
    m_announced = true;
    Q_EMIT changed();
}

void CallStack::setMarker(int row)
{
    m_markerRow = (row >= 0 && row < RowCount) ? row : -1;
}

void CallStack::clearStack()
{
    const Value unknown(QStringLiteral("?"));
    for (Value &value : m_values)
        value = unknown;
    for (QString &path : m_callerPaths)
        path = QString();
    m_SP = RowCount - 1;
    setMarker(m_SP);
    touch();
}

// Moves SP down to the row the next entry goes in; false when the stack is full, and the run
// has been ended.
bool CallStack::makeRoom()
{
    if (m_SP > 0)
        setMarker(-1);
    --m_SP;
    if (m_SP >= 0) [[likely]] {
        setMarker(m_SP);
        return true;
    }
    if (m_run.runInProgress())
        m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "YIĞIN TAŞMASI!")));
    touch();
    m_run.endRun(); // inside a tick this unwinds to it
    return false;
}

void CallStack::PUSH(const Value &value)
{
    if (!makeRoom())
        return;
    m_values[m_SP] = value;
    if (!m_callerPaths[m_SP].isNull())
        m_callerPaths[m_SP] = QString();
    touch();
}

void CallStack::pushCaller(const QString &fileName, const QString &path)
{
    if (!makeRoom())
        return;
    m_values[m_SP] = Value(fileName);
    // A chart that calls again and again leaves the same path on the same row.
    if (!Paths::samePath(m_callerPaths[m_SP], path))
        m_callerPaths[m_SP] = path;
    touch();
}

void CallStack::restoreRow(int row, const Value &value, const QString &callerPath)
{
    m_values[row] = value;
    m_callerPaths[row] = callerPath;
    touch();
}

void CallStack::restorePointers(int sp, int markerRow)
{
    m_SP = sp;
    m_markerRow = markerRow;
    touch();
}

Value CallStack::popValue()
{
    if (m_SP + 1 >= RowCount || m_SP < 0) {
        m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "YIĞIN BOŞ!")));
        m_run.endRun();
        return Value(QString());
    }
    const Value value = m_values[m_SP];
    ++m_SP;
    setMarker(m_SP);
    touch();
    return value;
}
