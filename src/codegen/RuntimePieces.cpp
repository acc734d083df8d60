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
