#include "shell/UserFolders.h"

#include <QDir>

namespace {

QString homeFolder(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && !QDir::isRelativePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + fallback;
}

QStringList searchFolders(const char *variable, const QStringList &fallback)
{
    QStringList folders;
    for (const QString &folder : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts)) {
        if (!QDir::isRelativePath(folder))
            folders.append(QDir::cleanPath(folder));
    }
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

namespace UserFolders {

QString configHome()
{
    return homeFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString dataHome()
{
    return homeFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QStringList configDirs()
{
    return searchFolders("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QStringList dataDirs()
{
    return searchFolders("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}

QString programConfigFolder()
{
    return configHome() + QStringLiteral("/varnel");
}

} // namespace UserFolders
