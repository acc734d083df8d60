#include "ui/help/HandbookText.h"

#include <QRegularExpression>

QString HandbookText::fold(const QString &text)
{
    static const QString from = QStringLiteral("çğıİöşüÇĞIÖŞÜâîûÂÎÛ");
    static const QString to = QStringLiteral("cgiiosucgiosuaiuaiu");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const qsizetype i = from.indexOf(c);
        out += i == -1 ? c.toLower() : to[i];
    }
    return out;
}

QString HandbookText::anchorOf(const QString &heading)
{
    QString out;
    bool pendingDash = false;
    for (const QChar c : fold(heading)) {
        if (c.isLetterOrNumber()) {
            if (pendingDash && !out.isEmpty())
                out += u'-';
            out += c;
            pendingDash = false;
        } else {
            pendingDash = true;
        }
    }
    return out;
}

QString HandbookText::plain(const QString &markdownLine)
{
    static const QRegularExpression link(QStringLiteral("!?\\[([^\\]]*)\\]\\([^)]*\\)"));
    static const QRegularExpression marks(QStringLiteral("[*`_#>|]"));
    QString text = markdownLine;
    text.replace(link, QStringLiteral("\\1"));
    text.replace(marks, QStringLiteral(" "));
    return text.simplified();
}
