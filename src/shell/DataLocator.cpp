#include "shell/DataLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

DataLocator::DataLocator()
    : DataLocator(QCoreApplication::applicationDirPath())
{
}

DataLocator::DataLocator(QString programFolder)
    : m_programFolder(withSlash(QDir::cleanPath(programFolder)))
{
}

QString DataLocator::dataFolder() const
{
    const QString installed =
        withSlash(QDir::cleanPath(m_programFolder + QStringLiteral("../share/varnel")));
    for (const QString &folder : {m_programFolder, installed}) {
        if (QFileInfo(folder + templateFileName()).isFile())
            return folder;
    }
    return m_programFolder;
}

QString DataLocator::newTemplatePath() const
{
    return dataFolder() + templateFileName();
}

QString DataLocator::examplesFolder() const
{
    return dataFolder() + QStringLiteral("Examples/");
}
