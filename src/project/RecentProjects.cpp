#include "project/RecentProjects.h"

#include "project/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kRecentFilesKey = QStringLiteral("RecentProjects/files");

QString normalized(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentProjects::RecentProjects(QString settingsFile)
    : m_settingsFile(std::move(settingsFile))
{
}

QString RecentProjects::defaultSettingsFile()
{
    return UserFolders::configFolder() + QStringLiteral("/varnel.conf");
}

QStringList RecentProjects::files() const
{
    QStringList list = QSettings(m_settingsFile, QSettings::IniFormat).value(kRecentFilesKey).toStringList();
    list.removeAll(QString());
    list.removeDuplicates();
    while (list.size() > MaxFiles)
        list.removeLast();
    return list;
}

void RecentProjects::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString file = normalized(path);
    QStringList list = files();
    list.removeAll(file);
    list.prepend(file);
    while (list.size() > MaxFiles)
        list.removeLast();
    store(list);
}

bool RecentProjects::remove(const QString &path)
{
    QStringList list = files();
    if (list.removeAll(normalized(path)) == 0)
        return false;
    store(list);
    return true;
}

void RecentProjects::clear()
{
    store(QStringList());
}

QStringList RecentProjects::dropMissing()
{
    QStringList kept;
    QStringList missing;
    for (const QString &file : files())
        (QFileInfo(file).isFile() ? kept : missing).append(file);
    if (!missing.isEmpty())
        store(kept);
    return missing;
}

QString RecentProjects::missingMessage(const QString &path)
{
    return QCoreApplication::translate("RecentProjects", "Dosya bulunamadı, Son Açılanlar listesinden çıkarıldı: ")
        + path;
}

void RecentProjects::store(const QStringList &files)
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.setValue(kRecentFilesKey, files);
    settings.sync();
}
