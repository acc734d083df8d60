#include "interp/CallStack.h"

#include "base/MessageLog.h"

CallStack::CallStack(MessageLog *log, QObject *parent)
    : QObject(parent), m_log(log)
{
    clearStack();
}

void CallStack::setRunHooks(std::function<bool()> runInProgress, std::function<void()> terminate)
{
    m_runInProgress = std::move(runInProgress);
    m_terminate = std::move(terminate);
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
        if (m_runInProgress && m_runInProgress())
            m_log->mBox(QStringLiteral("YIĞIN TAŞMASI!"));
        if (m_terminate)
            m_terminate();
        touch();
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
        if (m_terminate)
            m_terminate();
        return QString();
    }
    const QString value = m_values[m_SP];
    ++m_SP;
    setMarker(m_SP);
    touch();
    return value;
}
