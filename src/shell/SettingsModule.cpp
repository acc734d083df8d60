#include "shell/SettingsModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace {

const char *const kCodePage = "windows-1254";

// Lines end at CR LF, a lone CR or a lone LF; a final terminator does not open another line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

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
        QStringDecoder decoder(kCodePage);
        const QStringList lines = splitLines(decoder.decode(file.readAll()));
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

void SettingsModule::saveSettings(const QString &path) const
{
    const QString crLf = QStringLiteral("\r\n");
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(m_shouldAssociate + crLf + m_language + crLf
                                            + m_startUpFlow + crLf);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
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
