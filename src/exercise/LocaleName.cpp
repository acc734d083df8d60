#include "exercise/LocaleName.h"

#include <QRegularExpression>

namespace LocaleName {

std::optional<QLocale> parse(const QString &name)
{
    if (name == u"C" || name == u"POSIX")
        return QLocale::c();
    static const QRegularExpression form(
        QStringLiteral("^([a-z]{2,3})(?:[_-]([A-Z]{2}|[0-9]{3}))?(?:\\.[A-Za-z0-9-]+)?$"));
    const QRegularExpressionMatch parts = form.match(name);
    if (!parts.hasMatch() || QLocale::codeToLanguage(parts.captured(1)) == QLocale::AnyLanguage)
        return std::nullopt;
    if (parts.hasCaptured(2) && QLocale::codeToTerritory(parts.captured(2)) == QLocale::AnyTerritory)
        return std::nullopt;
    return QLocale(name);
}

} // namespace LocaleName
