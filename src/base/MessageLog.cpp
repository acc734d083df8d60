#include "base/MessageLog.h"

MessageLog::MessageLog(QObject *parent)
    : QObject(parent)
{
}

void MessageLog::mBox(const QString &message)
{
    m_text += message;
    m_text += QStringLiteral("\r\n");
    m_messageBoxShown = true;
    Q_EMIT messageAdded(message);
}

void MessageLog::dismiss()
{
    m_text.clear();
    m_messageBoxShown = false;
}

void MessageLog::showModal(const QString &text, const QString &title)
{
    Q_EMIT modalShown(text, title);
    if (m_modalSink)
        m_modalSink(text, title);
    else
        mBox(text);
}
