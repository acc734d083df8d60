#include "shell/SettingsModule.h"

#include "base/CheckedFileWriter.h"
#include "base/LineSplitter.h"
#include "base/Windows1254.h"
#include "shell/SettingsLocation.h"
#include "shell/SmallFile.h"

#include <QCoreApplication>
#include <QDir>

SettingsModule::SettingsModule()
    : m_programFolder(QCoreApplication::applicationDirPath())
{
    setDefaultSettings();
}

void SettingsModule::loadSettings(const QString &fileName)
{
    loadAt(QDir(m_programFolder).filePath(fileName));
}

void SettingsModule::load(const SettingsLocation &location)
{
    if (location.besideProgram()) {
        loadAt(location.filePath());
        return;
    }
    const FileState state = readFile(location.filePath());
    if (state == FileState::Read)
        return;
    loadSystemDefaults(location.systemFiles());
    if (state == FileState::Incomplete)
        saveSettings(location.filePath());
}

void SettingsModule::loadAt(const QString &path)
{
    const FileState state = readFile(path);
    if (state == FileState::Read)
        return;
    setDefaultSettings();
    if (state != FileState::Refused)
        saveSettings(path);
}

void SettingsModule::loadSystemDefaults(const QStringList &files)
{
    setDefaultSettings();
    for (const QString &file : files) {
        if (readFile(file) == FileState::Read)
            return;
    }
}

SettingsModule::FileState SettingsModule::readFile(const QString &path)
{
    QByteArray bytes;
    const SmallFile::Result result = SmallFile(path).read(bytes);
    switch (result) {
    case SmallFile::Result::Missing:
        return FileState::Missing;
    case SmallFile::Result::Unreadable:
        return FileState::Incomplete;
    case SmallFile::Result::NotRegular:
    case SmallFile::Result::TooLarge:
        if (m_notice.isEmpty()) {
            m_notice = QStringLiteral("Ayar dosyası okunmadı, ") + SmallFile::reason(result) + QStringLiteral(": ")
                + path + QStringLiteral("\r\nVarsayılan ayarlar kullanılıyor.");
        }
        return FileState::Refused;
    case SmallFile::Result::Read:
        break;
    }
    const QStringList lines = LineSplitter::split(Windows1254::decode(bytes));
    if (lines.size() < 3)
        return FileState::Incomplete;
    m_shouldAssociate = lines.at(0);
    m_language = lines.at(1);
    m_startUpFlow = lines.at(2);
    return FileState::Read;
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
