#pragma once

#include <QString>
#include <QStringList>

class SettingsLocation;

// The three settings kept in the plain settings file: one value per line, Windows-1254 text,
// CR LF line ends, no names (the line number identifies the setting).
class SettingsModule {
public:
    // What reading one settings file came to.
    enum class FileState {
        Read,       // three lines or more: the values are in place
        Missing,    // no file there
        Incomplete, // fewer than three lines, or unreadable
        Refused,    // no plain file, or larger than any settings file: left unread and untouched
    };

    SettingsModule();

    // The folder loadSettings reads from; the program's own folder unless a test moves it.
    const QString &programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    // Reads fileName in the program folder. A missing, unreadable or short file gives all
    // three defaults and is replaced by a complete file of defaults, silently. A file that is
    // no plain file or too large gives the defaults too, but stays as it is, and notice() says so.
    void loadSettings(const QString &fileName);
    // Loads the file the location names. Beside the program, as loadSettings. In the user's
    // folder, a missing file means the admin's defaults (the first system file that reads) or
    // else the built-in ones, and nothing is written; a short one is rewritten from those.
    void load(const SettingsLocation &location);
    // The values of a complete file at path; the values stay as they were otherwise.
    FileState readFile(const QString &path);
    // Writes the three values to path atomically; false when that failed, with the reason
    // ("Disk dolu", "İzin verilmedi", ...) in failure. The old file is then kept whole.
    // Start-up ignores a failure; making a stand-alone program reports it.
    bool saveSettings(const QString &path, QString *failure = nullptr) const;
    void setDefaultSettings();

    // The one message about a settings file left unread (the message window shows it); empty
    // when every file read was fine.
    const QString &notice() const { return m_notice; }

    // IDs are compared upper-cased; an unknown ID reads as "" and is ignored when set.
    QString getINISetting(const QString &sSettingID) const;
    void setINISetting(const QString &sSettingID, const QString &value);

private:
    static QString SettingsModule::*memberFor(const QString &sSettingID);
    void loadAt(const QString &path);
    void loadSystemDefaults(const QStringList &files);

    QString m_programFolder;
    QString m_shouldAssociate;
    QString m_language;
    QString m_startUpFlow;
    QString m_notice;
};
