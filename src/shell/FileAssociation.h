#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class MessageLog;
class Registry;
class SettingsModule;

// Makes project files (*.vnp) open with this program: the four entries of the file type in the
// key store, and the desktop's own registration under the user's data folder (a MIME type for
// *.vnp, a desktop entry that opens a file with this program, the icon). Each is compared
// first and written only when it differs, so a second start writes nothing.
//
// Nothing is written for the user when the installation already registers the type (a desktop
// entry and the MIME type in a system data folder); a per-user entry left behind by a program
// that is gone is then removed. Without a system registration, a per-user entry that opens
// the files with another program that exists is left as it is; one whose program is gone is
// replaced.
class FileAssociation {
public:
    struct Entry {
        QString key;
        QString value;
    };
    // Runs a database tool (update-mime-database, update-desktop-database) with its arguments.
    using ToolRunner = std::function<void(const QString &program, const QStringList &arguments)>;

    // programPath: the program that opens the files; dataHome: the user's data folder;
    // systemDataDirs: the system data folders searched for the installation's registration.
    FileAssociation(const SettingsModule &settings, const Registry &registry, MessageLog *log,
                    QString programPath, QString dataHome = defaultDataHome(),
                    QStringList systemDataDirs = defaultSystemDataDirs());

    // $XDG_DATA_HOME, or ~/.local/share when that is not set or not absolute.
    static QString defaultDataHome();
    // $XDG_DATA_DIRS without the user's own data folder.
    static QStringList defaultSystemDataDirs();

    // Does nothing unless SHOULD_ASSOCIATE is "ASSOCIATE_IF_REQUIRED=YES" in any letter case.
    // A failed write shows the key store's write warning once; start-up carries on.
    void associateFileType() const;

    // Replaces the runner that starts the database tools (tests record the calls instead).
    void setToolRunner(ToolRunner runner) { m_runToolFn = std::move(runner); }
    // Where the tools are looked for; the PATH when empty.
    void setToolSearchPaths(QStringList paths) { m_toolSearchPaths = std::move(paths); }

    // The four key-store entries, in the order they are compared and written.
    static QList<Entry> entries(const QString &programPath);
    // The desktop entry for a program started as exec (a name on the PATH or a full path).
    static QString desktopEntry(const QString &exec);
    static QString mimeTypeDefinition();
    static QString mimeType() { return QStringLiteral("application/x-varnel-project"); }
    static QString desktopFileName() { return QStringLiteral("varnel.desktop"); }

private:
    // Whom the user's own desktop entry for the type opens the files with.
    enum class UserEntry {
        Absent,
        ThisProgram,       // written for this program's full path by an earlier start
        ThisProgramOnPath, // names this program as the PATH finds it: an install into the data folder
        OtherProgram,      // another program that exists
        Stale,        // a program that is gone, or no program at all
    };
    struct DesktopFile;

    bool systemRegisters() const;
    UserEntry userEntry() const;
    QList<DesktopFile> desktopFiles() const;
    bool storeIsCurrent() const;
    void writeStore() const;
    bool registerWithDesktop(bool keepEntry) const;
    void removeStaleRegistration() const;
    void runTool(const QString &name, const QString &folder) const;
    void warn() const;

    const SettingsModule &m_settings;
    const Registry &m_registry;
    MessageLog *m_log;
    QString m_programPath;
    QString m_dataHome;
    QStringList m_systemDataDirs;
    ToolRunner m_runToolFn;
    QStringList m_toolSearchPaths;
};
