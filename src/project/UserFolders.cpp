#include "project/UserFolders.h"

#include <QDir>

namespace {

QString baseFrom(const char *variable, const QString &fallbackBelowHome)
{
    const QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        return QDir::homePath() + fallbackBelowHome;
    return QDir::cleanPath(base);
}

QString folderFrom(const char *variable, const QString &fallbackBelowHome)
{
    return baseFrom(variable, fallbackBelowHome) + QStringLiteral("/varnel");
}

// A colon-separated list; relative entries are ignored, as the standard asks.
QStringList foldersFrom(const char *variable, const QStringList &fallback)
{
    QStringList folders;
    for (const QString &folder : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts)) {
        if (!QDir::isRelativePath(folder))
            folders.append(QDir::cleanPath(folder));
    }
    return folders.isEmpty() ? fallback : folders;
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

QString UserFolders::dataHome()
{
    return baseFrom("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QStringList UserFolders::configDirs()
{
    return foldersFrom("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QStringList UserFolders::dataDirs()
{
    return foldersFrom("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}
