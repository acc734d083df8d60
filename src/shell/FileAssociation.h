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
class FileAssociation {
public:
    struct Entry {
        QString key;
        QString value;
    };
    // Runs a database tool (update-mime-database, update-desktop-database) with its arguments.
    using ToolRunner = std::function<void(const QString &program, const QStringList &arguments)>;

    // programPath: the program that opens the files; dataHome: the user's data folder.
    FileAssociation(const SettingsModule &settings, const Registry &registry, MessageLog *log,
                    QString programPath, QString dataHome = defaultDataHome());

    // $XDG_DATA_HOME, or ~/.local/share when that is not set or not absolute.
    static QString defaultDataHome();

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

private:
    bool storeIsCurrent() const;
    void writeStore() const;
    bool registerWithDesktop() const;
    void runTool(const QString &name, const QString &folder) const;
    void warn() const;

    const SettingsModule &m_settings;
    const Registry &m_registry;
    MessageLog *m_log;
    QString m_programPath;
    QString m_dataHome;
    ToolRunner m_runToolFn;
    QStringList m_toolSearchPaths;
};
