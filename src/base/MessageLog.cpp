#include "base/MessageLog.h"

MessageLog::MessageLog(QObject *parent)
    : QObject(parent)
{
}

void MessageLog::mBox(const MessageText &message)
{
    const QString text = message.turkish();
    m_text += text;
    m_text += QStringLiteral("\r\n");
    m_messages.append(message);
    m_messageBoxShown = true;
    Q_EMIT messageAdded(text);
}

void MessageLog::dismiss()
{
    m_text.clear();
    m_messages.clear();
    m_messageBoxShown = false;
}

void MessageLog::showModal(const MessageText &text, const QString &title)
{
    Q_EMIT modalShown(text.turkish(), title);
    if (m_modalSink)
        m_modalSink(text, title);
    else
        mBox(text);
}
