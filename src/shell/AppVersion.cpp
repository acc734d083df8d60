#include "shell/AppVersion.h"

namespace AppVersion {

QString versionText(int majorVersion, int minorVersion, int revisionNumber)
{
    return QString::number(majorVersion) + u'.' + QString::number(minorVersion)
        + QString::number(revisionNumber);
}

QString current()
{
    return versionText(major, minor, revision);
}

QString applicationTitle()
{
    return QStringLiteral("Varnel");
}

} // namespace AppVersion
