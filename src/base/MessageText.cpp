#include "base/MessageText.h"

#include "base/ChartWords.h"

#include <QCoreApplication>

MessageText::MessageText(QString plain)
    : m_plain(std::move(plain))
{
}

MessageText MessageText::of(const char *pattern, QList<MessageText> values)
{
    MessageText message;
    message.m_pattern = pattern;
    message.m_values = std::move(values);
    return message;
}

MessageText MessageText::chartWord(QString stored)
{
    MessageText message(std::move(stored));
    message.m_chartWord = true;
    return message;
}

QString MessageText::turkish() const
{
    if (!m_pattern)
        return m_plain;
    QStringList values;
    for (const MessageText &value : m_values)
        values << value.turkish();
    return filled(QString::fromUtf8(m_pattern), values);
}

QString MessageText::translated() const
{
    if (m_chartWord)
        return ChartWords::shown(m_plain);
    if (!m_pattern)
        return m_plain;
    QStringList values;
    for (const MessageText &value : m_values)
        values << value.translated();
    return filled(QCoreApplication::translate(Context, m_pattern), values);
}

QString MessageText::filled(const QString &pattern, const QStringList &values)
{
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const int index = next.digitValue() - 1;
        if (pattern[i] == u'%' && index >= 0 && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
