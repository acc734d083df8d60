#include "ui/help/MessageIndex.h"

#include "ui/help/HandbookText.h"

#include <QFile>

namespace {

const QString Placeholder = QStringLiteral("…");

QRegularExpression matcherOf(const QString &pattern)
{
    QStringList parts = pattern.split(Placeholder);
    for (QString &part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(QStringLiteral("^") + parts.join(QStringLiteral(".*")) + QStringLiteral("$"));
}

} // namespace

QString MessageIndex::chapterFile(InterfaceLanguage::Choice language)
{
    return language == InterfaceLanguage::Choice::English ? QStringLiteral("09-messages.md")
                                                          : QStringLiteral("09-iletiler.md");
}

MessageIndex MessageIndex::parse(const QString &markdown)
{
    static const QRegularExpression heading(QStringLiteral("^###\\s+(.+)$"));
    static const QRegularExpression message(QStringLiteral("^- (?:İleti|Message): `(.+)`$"));
    MessageIndex index;
    for (const QString &rawLine : markdown.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (const QRegularExpressionMatch h = heading.match(line); h.hasMatch()) {
            const QString title = h.captured(1).trimmed();
            index.m_entries.append({title, HandbookText::anchorOf(title), {}, {}});
        } else if (const QRegularExpressionMatch m = message.match(line); m.hasMatch()) {
            if (index.m_entries.isEmpty())
                continue;
            const QString pattern = m.captured(1).trimmed();
            index.m_entries.last().patterns.append(pattern);
            index.m_entries.last().matchers.append(matcherOf(pattern));
        }
    }
    return index;
}

MessageIndex MessageIndex::load(const QString &handbookFolder, InterfaceLanguage::Choice language)
{
    QFile file(handbookFolder + QStringLiteral("/") + chapterFile(language));
    if (!file.open(QIODevice::ReadOnly))
        return MessageIndex();
    return parse(QString::fromUtf8(file.readAll()));
}

QString MessageIndex::anchorFor(const QString &line) const
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return QString();
    for (const Entry &entry : m_entries) {
        for (const QRegularExpression &matcher : entry.matchers) {
            if (matcher.match(text).hasMatch())
                return entry.anchor;
        }
    }
    return QString();
}
