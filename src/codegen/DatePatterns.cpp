#include "codegen/DatePatterns.h"

#include "interp/Numbers.h"

#include <functional>

namespace {

// Rewrites each run of one pattern letter outside quoted literals.
QString rewrite(const QString &pattern, const std::function<QString(QChar, qsizetype)> &run)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || !c.isLetter()) {
            out += c;
            ++i;
            continue;
        }
        qsizetype count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c)
            ++count;
        out += run(c, count);
        i += count;
    }
    return out;
}

QString yearOf(const QString &pattern, const QString &year)
{
    return rewrite(pattern, [&](QChar c, qsizetype n) { return c == u'y' ? year : QString(n, c); });
}

// Reading takes one digit wherever the regional format writes two ("5.1.2025" for "05.01.2025").
QString lenient(const QString &pattern)
{
    return rewrite(pattern, [](QChar c, qsizetype n) {
        return n == 2 && QStringLiteral("dMHhms").contains(c) ? QString(c) : QString(n, c);
    });
}

QString timePattern()
{
    const QString withoutZone =
        rewrite(Numbers::locale().timeFormat(QLocale::LongFormat), [](QChar c, qsizetype n) {
            return c == u't' ? QString() : QString(n, c);
        });
    return withoutZone.trimmed();
}

QString datePattern()
{
    return Numbers::locale().dateFormat(QLocale::ShortFormat);
}

void addLiteral(QStringList &out, const QString &text)
{
    if (!out.isEmpty() && out.back().startsWith(u'='))
        out.back() += text;
    else
        out.append(u'=' + text);
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
            if (i + 1 < pattern.size() && (pattern[i + 1] == u'P' || pattern[i + 1] == u'p'))
                count = 2;
            else
                count = 1;
        } else if (c != u't') {
            addLiteral(out, QString(count, c));
        }
        i += count;
    }
    return out;
}

QStringList DatePatterns::dateDisplay()
{
    return tokens(yearOf(datePattern(), QStringLiteral("yyyy")));
}

QStringList DatePatterns::timeDisplay()
{
    return tokens(timePattern());
}

QList<DatePatterns::DateRead> DatePatterns::dateReads()
{
    return {{tokens(lenient(yearOf(datePattern(), QStringLiteral("yyyy")))), false},
            {tokens(lenient(yearOf(datePattern(), QStringLiteral("yy")))), true},
            {tokens(QStringLiteral("yyyy-M-d")), false}};
}

QList<QStringList> DatePatterns::timeReads()
{
    return {tokens(lenient(timePattern())), tokens(lenient(Numbers::locale().timeFormat(QLocale::ShortFormat))),
            tokens(QStringLiteral("H:m:s")), tokens(QStringLiteral("H:m"))};
}

bool DatePatterns::usesMonthNames()
{
    return dateDisplay().contains(QStringLiteral("M3"));
}
