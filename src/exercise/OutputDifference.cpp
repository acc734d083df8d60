#include "exercise/OutputDifference.h"

namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

QString OutputDifference::text() const
{
    const QString where = QStringLiteral("satır ") + QString::number(line) + QStringLiteral(": ");
    if (!got)
        return where + QStringLiteral("beklenen ") + quoted(expected.value_or(QString()))
            + QStringLiteral(", çıktıda satır yok");
    if (!expected)
        return where + QStringLiteral("beklenmeyen satır ") + quoted(*got);
    return where + QStringLiteral("beklenen ") + quoted(*expected) + QStringLiteral(", gelen ") + quoted(*got);
}
