#include "interp/CallStack.h"

#include "base/MessageLog.h"
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
    for (QString &value : m_values)
        value = QStringLiteral("?");
    m_SP = RowCount - 1;
    setMarker(m_SP);
    touch();
}

void CallStack::PUSH(const QString &sValue)
{
    if (m_SP > 0)
        setMarker(-1);
    --m_SP;
    if (m_SP < 0) {
        if (m_run.runInProgress())
            m_log->mBox(QStringLiteral("YIĞIN TAŞMASI!"));
        touch();
        m_run.endRun(); // inside a tick this unwinds to it
        return;
    }
    setMarker(m_SP);
    m_values[m_SP] = sValue;
    touch();
}

QString CallStack::POP()
{
    if (m_SP + 1 >= RowCount || m_SP < 0) {
        m_log->mBox(QStringLiteral("YIĞIN BOŞ!"));
        m_run.endRun();
        return QString();
    }
    const QString value = m_values[m_SP];
    ++m_SP;
    setMarker(m_SP);
    touch();
    return value;
}
