#include "codegen/RuntimePieces.h"

#include <QHash>
#include <QStringList>

namespace {

void add(const QString &feature, const QHash<QString, const RuntimePiece *> &byName, QSet<QString> &wanted)
{
    if (wanted.contains(feature))
        return;
    wanted.insert(feature);
    const RuntimePiece *piece = byName.value(feature);
    if (!piece)
        return;
    for (const QString &need : QString::fromLatin1(piece->needs).split(u' ', Qt::SkipEmptyParts))
        add(need, byName, wanted);
}

} // namespace

QSet<QString> RuntimePieces::wanted(const std::vector<RuntimePiece> &pieces, const QSet<QString> &features)
{
    QHash<QString, const RuntimePiece *> byName;
    for (const RuntimePiece &piece : pieces)
        byName.insert(QString::fromLatin1(piece.feature), &piece);
    QSet<QString> wanted;
    add(QStringLiteral("base"), byName, wanted);
    for (const QString &feature : features)
        add(feature, byName, wanted);
    return wanted;
}

QString RuntimePieces::alphabet(const QLocale &locale)
{
    return locale.language() == QLocale::Turkish ? QStringLiteral("abcçdefgğhıijklmnoöpqrsştuüvwxyz")
                                                 : QStringLiteral("abcdefghijklmnopqrstuvwxyz");
}

QString RuntimePieces::quoted(const QString &text, Language language)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 32 || u == 127 || (language == Language::Python && u >= 0x80 && u < 0xA0);
        if (u == u'"' || u == u'\\')
            out += u'\\' + QString(c);
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u == u'?' && language == Language::C)
            out += QStringLiteral("\\?");
        else if (control && language == Language::Python)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else if (control) // octal: Java reads its unicode escapes before the literal
            out += QStringLiteral("\\%1").arg(int(u), 3, 8, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}
