#include "project/UserFolders.h"

#include <QDir>

namespace {

QString folderFrom(const char *variable, const QString &fallbackBelowHome)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + fallbackBelowHome;
    return QDir::cleanPath(base) + QStringLiteral("/varnel");
}

} // namespace

QString UserFolders::configFolder()
{
    return folderFrom("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString UserFolders::stateFolder()
{
    return folderFrom("XDG_STATE_HOME", QStringLiteral("/.local/state"));
}
