#pragma once

#include <QString>
#include <QVariant>

class MessageLog;

// Single values addressed by root, key, value name and type, kept either in a per-user key
// store that stands in for the system registry, or in a Windows-style .ini file named as the
// root. The store holds one file per root word, [key\path] sections with "name"="text" lines,
// in UTF-8. Failures to resolve or write reach the user as the two warnings, through log.
class Registry {
public:
    enum class TopKey {
        Unresolved,
        IniFile,
        CurrentUser,
        LocalMachine,
        Users,
        DynamicData,
        CurrentConfig,
        ClassesRoot,
    };

    // The status codes the operations return: 0, 99 for a root that does not resolve, and
    // the registry's own numbers for the rest.
    enum Status {
        Success = 0,
        NotFound = 2,
        PathNotFound = 3,
        AccessDenied = 5,
        InvalidData = 13,
        InvalidParameter = 87,
        RootUnresolved = 99,
        DiskFull = 112,
        InvalidName = 123,
        CannotRead = 1012,
        CannotWrite = 1013,
    };

    explicit Registry(MessageLog *log, QString storeFolder = defaultStoreFolder());

    // $XDG_CONFIG_HOME/varnel, or ~/.config/varnel when that is not set.
    static QString defaultStoreFolder();
    const QString &storeFolder() const { return m_storeFolder; }

    // A root word in any letter case, or an existing file (an .ini file), else unresolved.
    TopKey fTopKey(const QString &KeyRoot) const;
    // Value type "S" (any case) reads text; any other type reads a 2-byte flag as a bool.
    // .ini files give the default text when the key is missing, at most 255 characters.
    int fQueryValue(const QString &KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                    const QString &valueType, const QString &defaultText, QVariant &KeyVal) const;
    // Type "S" stores KeyVal as text; any other type stores its truth as a 2-byte flag
    // (false 0, true all bits set). .ini files take text only.
    int fWriteValue(const QString &KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                    const QString &valueType, const QVariant &KeyVal) const;

private:
    int queryIni(const QString &iniPath, const QString &section, const QString &key,
                 const QString &defaultText, QVariant &KeyVal) const;
    int queryStore(TopKey top, const QString &KeyName, const QString &SubKeyRef, bool asText,
                   QVariant &KeyVal) const;
    int writeIni(const QString &iniPath, const QString &section, const QString &key,
                 const QString &text) const;
    int writeStore(TopKey top, const QString &KeyName, const QString &SubKeyRef, bool asText,
                   const QVariant &KeyVal) const;
    QString storePath(TopKey top) const;
    // Shows the write warning, with the reason on a line of its own when there is one.
    int failWrite(int status, const QString &reason = QString()) const;
    void warn(const QString &text, const QString &title) const;

    MessageLog *m_log;
    QString m_storeFolder;
};
