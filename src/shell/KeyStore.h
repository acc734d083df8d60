#pragma once

#include "shell/SectionedFile.h"

#include <QString>
#include <QVariant>

// The per-user store that stands in for the system registry: one file per root word
// ("HKCR.reg", ...) in a folder, "[key\path]" sections, and value lines @="text" for a key's
// default value, "name"="text" for a named one, "name"=hex:ff,ff for a 2-byte flag; UTF-8.
// Names of keys and values are compared without regard to case.
class KeyStore {
public:
    explicit KeyStore(QString folder);

    const QString &folder() const { return m_folder; }
    // The file that holds the values below a root word.
    QString filePath(const QString &rootWord) const;

    // Success with the value; NotFound for a missing key or value; InvalidData for a value of
    // the other kind than asked for (text or flag); CannotRead when the file is unusable.
    SectionedFile::Outcome query(const QString &rootWord, const QString &keyName,
                                 const QString &valueName, bool asText, QVariant &value) const;
    // Stores text, or a flag (false 0, true all bits set), keeping every other line as it was.
    SectionedFile::Outcome write(const QString &rootWord, const QString &keyName,
                                 const QString &valueName, bool asText, const QVariant &value) const;

private:
    QString m_folder;
};
