#include "exercise/OutputDifference.h"

namespace {

QString quotedLine(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

QString OutputDifference::text() const
{
    const QString where = QStringLiteral("satır ") + QString::number(line) + QStringLiteral(": ");
    if (!got)
        return where + QStringLiteral("beklenen ") + quotedLine(expected.value_or(QString()))
            + QStringLiteral(", çıktıda satır yok");
    if (!expected)
        return where + QStringLiteral("beklenmeyen satır ") + quotedLine(*got);
    return where + QStringLiteral("beklenen ") + quotedLine(*expected) + QStringLiteral(", gelen ") + quotedLine(*got);
}
