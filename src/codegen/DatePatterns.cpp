#include "codegen/DatePatterns.h"

#include "interp/Numbers.h"

namespace {

void addLiteral(QStringList &out, const QString &text)
{
    if (!out.isEmpty() && out.back().startsWith(u'='))
        out.back() += text;
    else
        out.append(u'=' + text);
}

// The year written with `digits` digits.
QStringList withYear(QStringList tokens, int digits)
{
    for (QString &token : tokens) {
        if (token.startsWith(u'y'))
            token = u'y' + QString::number(digits);
    }
    return tokens;
}

// Reading takes one digit wherever the regional format writes two ("5.1.2025" for "05.01.2025").
QStringList lenientTokens(QStringList tokens)
{
    for (QString &token : tokens) {
        if (token.size() == 2 && token[1] == u'2' && QStringLiteral("dMHhms").contains(token[0]))
            token[1] = u'1';
    }
    return tokens;
}

// Without the time zone, and without the blanks that stood beside it at the ends.
QStringList timeTokens(const QString &pattern)
{
    QStringList tokens = DatePatterns::tokens(pattern);
    if (!tokens.isEmpty() && tokens.back().startsWith(u'=') && tokens.back().mid(1).trimmed().isEmpty())
        tokens.removeLast();
    if (!tokens.isEmpty() && tokens.front().startsWith(u'=') && tokens.front().mid(1).trimmed().isEmpty())
        tokens.removeFirst();
    return tokens;
}

QStringList dateTokens()
{
    return DatePatterns::tokens(Numbers::locale().dateFormat(QLocale::ShortFormat));
}

} // namespace

QStringList DatePatterns::tokens(const QString &pattern)
{
    QStringList out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype close = pattern.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            addLiteral(out, end == i + 1 ? QStringLiteral("'") : pattern.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        qsizetype count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c)
            ++count;
        if (QStringLiteral("dMyHhms").contains(c)) {
            const qsizetype size = c == u'y' ? (count >= 3 ? 4 : 2) : qMin<qsizetype>(count, c == u'M' ? 3 : 2);
            out.append(QString(c) + QString::number(size));
        } else if (c == u'A' || c == u'a') {
            out.append(QString(c));
            count = i + 1 < pattern.size() && (pattern[i + 1] == u'P' || pattern[i + 1] == u'p') ? 2 : 1;
        } else if (c != u't') {
            addLiteral(out, QString(count, c));
        }
        i += count;
    }
    return out;
}

QStringList DatePatterns::dateDisplay()
{
    return withYear(dateTokens(), 4);
}

QStringList DatePatterns::timeDisplay()
{
    return timeTokens(Numbers::locale().timeFormat(QLocale::LongFormat));
}

QList<DatePatterns::DateRead> DatePatterns::dateReads()
{
    return {{lenientTokens(withYear(dateTokens(), 4)), false},
            {lenientTokens(withYear(dateTokens(), 2)), true},
            {tokens(QStringLiteral("yyyy-M-d")), false}};
}

QList<QStringList> DatePatterns::timeReads()
{
    return {lenientTokens(timeDisplay()), lenientTokens(timeTokens(Numbers::locale().timeFormat(QLocale::ShortFormat))),
            tokens(QStringLiteral("H:m:s")), tokens(QStringLiteral("H:m"))};
}
