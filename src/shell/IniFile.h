#pragma once

#include "shell/SectionedFile.h"

#include <QString>

// A Windows-style .ini file, read and written the way the private-profile routines do:
// "[section]" headers and "key=value" lines, in the Turkish code page, names without regard to
// case. Writing one value keeps every other line of the file as it was.
class IniFile {
public:
    explicit IniFile(QString path);

    // The value of key in section; the default text when the file, the section or the key is
    // missing or the file cannot be read. At most 255 characters, quotes around it removed.
    QString value(const QString &section, const QString &key, const QString &defaultText) const;
    // Sets key=text in section, adding the key or the section when missing. Text, key or section
    // with a line break would split the entry and is refused (InvalidParameter), as is a file
    // that could not be read whole (CannotRead) or text outside the code page (CannotWrite).
    SectionedFile::Outcome setValue(const QString &section, const QString &key,
                                    const QString &text) const;

private:
    QString m_path;
};
