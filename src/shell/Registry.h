#pragma once

#include "shell/KeyStore.h"
#include "shell/RegistryStatus.h"

#include <QSet>
#include <QString>
#include <QVariant>

class MessageLog;

// Single values addressed by root, key, value name and type, kept either in the per-user key
// store that stands in for the system registry, or in a Windows-style .ini file named as the
// root. Failures to resolve or write reach the user as the two warnings, through log; a store
// file left unread because it is no plain file or too large is reported once instead.
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

    using enum RegistryStatus::Code;

    explicit Registry(MessageLog *log, QString storeFolder = defaultStoreFolder());

    // $XDG_CONFIG_HOME/varnel, or ~/.config/varnel when that is not set.
    static QString defaultStoreFolder();
    const QString &storeFolder() const { return m_store.folder(); }

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
    // The store's status, after saying once why a store file was left unread.
    int storeStatus(TopKey top, const SectionedFile::Outcome &outcome) const;
    // Shows the write warning, with the reason on a line of its own when there is one.
    int failWrite(int status, const QString &reason = QString()) const;
    void warn(const QString &text, const QString &title) const;

    MessageLog *m_log;
    KeyStore m_store;
    mutable QSet<QString> m_reportedFiles;
};
