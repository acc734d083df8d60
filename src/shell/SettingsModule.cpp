#include "shell/SettingsModule.h"

#include "base/CheckedFileWriter.h"
#include "base/LineSplitter.h"
#include "base/Windows1254.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

SettingsModule::SettingsModule()
    : m_programFolder(QCoreApplication::applicationDirPath())
{
    setDefaultSettings();
}

void SettingsModule::loadSettings(const QString &fileName)
{
    const QString path = QDir(m_programFolder).filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = LineSplitter::split(Windows1254::decode(file.readAll()));
        if (file.error() == QFileDevice::NoError && lines.size() >= 3) {
            m_shouldAssociate = lines.at(0);
            m_language = lines.at(1);
            m_startUpFlow = lines.at(2);
            return;
        }
    }
    setDefaultSettings();
    saveSettings(path);
}

bool SettingsModule::saveSettings(const QString &path, QString *failure) const
{
    const QString crLf = QStringLiteral("\r\n");
    const QByteArray bytes = Windows1254::encode(m_shouldAssociate + crLf + m_language + crLf
                                                 + m_startUpFlow + crLf);
    CheckedFileWriter writer(path);
    if (writer.write(bytes))
        return true;
    if (failure)
        *failure = writer.errorText();
    return false;
}

void SettingsModule::setDefaultSettings()
{
    m_shouldAssociate = QStringLiteral("ASSOCIATE_IF_REQUIRED=YES");
    m_language = QStringLiteral("ENGLISH");
    m_startUpFlow.clear();
}

QString SettingsModule::getINISetting(const QString &sSettingID) const
{
    QString SettingsModule::*setting = memberFor(sSettingID);
    return setting ? this->*setting : QString();
}

void SettingsModule::setINISetting(const QString &sSettingID, const QString &value)
{
    if (QString SettingsModule::*setting = memberFor(sSettingID))
        this->*setting = value;
}

QString SettingsModule::*SettingsModule::memberFor(const QString &sSettingID)
{
    // Upper-cased without the locale, so that "should_associate" works under a Turkish locale.
    const QString id = sSettingID.toUpper();
    if (id == u"SHOULD_ASSOCIATE")
        return &SettingsModule::m_shouldAssociate;
    if (id == u"LANGUAGE")
        return &SettingsModule::m_language;
    if (id == u"START_UP_FLOW")
        return &SettingsModule::m_startUpFlow;
    return nullptr;
}
