#pragma once

#include <QString>

// The handbook and the sources as they are in the repository.
inline QString handbookSource()
{
    return QStringLiteral(VARNEL_SOURCE_DATA "/../docs/handbook/tr");
}

inline QString sourceFolder()
{
    return QStringLiteral(VARNEL_SOURCE_DATA "/../src");
}
