#include "interp/TextRules.h"

#include "model/VarnelError.h"

namespace {
QStringView leadingSpacesRemoved(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ')
        ++begin;
    return text.sliced(begin);
}

QStringView trailingSpacesRemoved(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}
}

void TextRules::checkLength(qsizetype length, const QString &source)
{
    if (length > MaxLength)
        throw VarnelError(VarnelError::OutOfMemory, source, MessageText::of(QT_TRANSLATE_NOOP("Message", "Yetersiz bellek")));
}

QString TextRules::stripQuotes(const QString &text)
{
    if (text.isEmpty() || text.front() != u'"' || text.back() != u'"')
        return text;
    // The lone quote is both the first and the last character: taking -1 characters.
    if (text.size() == 1)
        throw VarnelError::invalidCall(QStringLiteral("stripQuotes"));
    return text.mid(1, text.size() - 2);
}

QStringList TextRules::listItems(const QString &text)
{
    QStringList items;
    for (const QStringView part : QStringView(text).split(u',')) {
        QString item = trim(part);
        if (item.isEmpty())
            break;
        items.append(item);
    }
    return items;
}

QString TextRules::ltrim(QStringView text)
{
    return leadingSpacesRemoved(text).toString();
}

QString TextRules::rtrim(QStringView text)
{
    return trailingSpacesRemoved(text).toString();
}

QString TextRules::trim(QStringView text)
{
    return trailingSpacesRemoved(leadingSpacesRemoved(text)).toString();
}
