#include "shell/SettingsLocation.h"

#include "shell/DataLocator.h"
#include "project/UserFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isBelow(const QString &folder, const QString &root)
{
    return folder == root || folder.startsWith(root + u'/');
}

// Installed by `cmake --install` or a package: the data sit in <prefix>/share/varnel rather
// than beside the program.
bool hasInstalledLayout(const QString &programFolder)
{
    const DataLocator data(programFolder);
    return QDir::cleanPath(data.dataFolder()) != QDir::cleanPath(programFolder);
}

bool keepsSettingsBeside(const QString &programFolder, const QString &fileName)
{
    if (SettingsLocation::isDistributionFolder(programFolder))
        return false;
    if (QFileInfo::exists(QDir(programFolder).filePath(fileName)))
        return true;
    return QFileInfo(programFolder).isWritable() && !hasInstalledLayout(programFolder);
}

} // namespace

SettingsLocation::SettingsLocation(QString programFolder, QString exeBaseName)
    : m_fileName(exeBaseName + QStringLiteral(".ini"))
    , m_besideProgram(keepsSettingsBeside(QDir::cleanPath(programFolder), m_fileName))
    , m_filePath(QDir(m_besideProgram ? programFolder : UserFolders::configFolder()).filePath(m_fileName))
{
}

QStringList SettingsLocation::systemFiles() const
{
    QStringList files;
    for (const QString &folder : UserFolders::configDirs())
        files.append(folder + QStringLiteral("/varnel/") + m_fileName);
    return files;
}

bool SettingsLocation::isDistributionFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    for (const char *root : {"/usr", "/bin", "/sbin", "/lib", "/lib64", "/snap"}) {
        if (isBelow(clean, QLatin1String(root)))
            return true;
    }
    return false;
}
