#pragma once

#include <QString>

// The handbook and the sources as they are in the repository.
inline QString handbookSource(const QString &language = QStringLiteral("tr"))
{
    return QStringLiteral(VARNEL_SOURCE_DATA "/../docs/handbook/") + language;
}

inline QString sourceFolder()
{
    return QStringLiteral(VARNEL_SOURCE_DATA "/../src");
}
