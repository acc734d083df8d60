#pragma once

#include <QString>

// The three settings kept in the plain settings file beside the program: one value per line,
// Windows-1254 text, CR LF line ends, no names (the line number identifies the setting).
class SettingsModule {
public:
    SettingsModule();

    // The folder loadSettings reads from; the program's own folder unless a test moves it.
    const QString &programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    // Reads fileName in the program folder. A missing, unreadable or short file gives all
    // three defaults and is replaced by a complete file of defaults; nothing is shown.
    void loadSettings(const QString &fileName);
    // Writes the three values to path atomically; false when that failed, with the reason
    // ("Disk dolu", "İzin verilmedi", ...) in failure. The old file is then kept whole.
    // Start-up ignores a failure; making a stand-alone program reports it.
    bool saveSettings(const QString &path, QString *failure = nullptr) const;
    void setDefaultSettings();

    // IDs are compared upper-cased; an unknown ID reads as "" and is ignored when set.
    QString getINISetting(const QString &sSettingID) const;
    void setINISetting(const QString &sSettingID, const QString &value);

private:
    static QString SettingsModule::*memberFor(const QString &sSettingID);

    QString m_programFolder;
    QString m_shouldAssociate;
    QString m_language;
    QString m_startUpFlow;
};
