#pragma once

#include "shell/RegistryStatus.h"

#include <QList>
#include <QString>

#include <optional>

// A text file of "[section]" headers and value lines, kept line for line with each line's own
// end, so that a change rewrites one line and leaves every other byte as it was. The .ini files
// and the key store are both of this kind; each names its values in its own way.
class SectionedFile {
public:
    enum class Encoding {
        Windows1254, // .ini files, in the Turkish code page
        Utf8,        // the key store, which holds any text; an invalid byte makes it unreadable
    };

    // What a load or a save came to: a status code and, when a file was left alone, why.
    struct Outcome {
        int status = RegistryStatus::Success;
        QString reason;
        bool ok() const { return status == RegistryStatus::Success; }
    };

    // Section span: the header line and the index just past the section's last line; both -1
    // when there is no such section.
    struct Span {
        qsizetype header = -1;
        qsizetype end = -1;
    };

    // How a format names the value on one line; nothing for lines that hold no value.
    using ValueNameOf = std::optional<QString> (*)(const QString &line);

    SectionedFile(QString path, Encoding encoding);

    // A missing file loads as no lines. A file that is there but cannot be read whole, or
    // decoded without loss, fails, so that a later save never replaces what it could not read.
    Outcome load();
    // The old file stays whole unless the new one was written completely.
    Outcome save() const;

    const QString &path() const { return m_path; }
    qsizetype lineCount() const { return m_lines.size(); }
    const QString &line(qsizetype index) const { return m_lines.at(index).text; }

    // Section names are compared without regard to case; the first section of a name counts.
    Span section(const QString &name) const;
    // The line of the value of that name (case ignored) within the span; -1 when none.
    qsizetype valueLine(Span span, const QString &name, ValueNameOf valueNameOf) const;
    // Replaces the value's line, or adds it after the section's last non-blank line, or adds
    // the section at the end of the file.
    void setValueLine(const QString &section, const QString &name, const QString &valueLine,
                      ValueNameOf valueNameOf);

    // The name in a "[name]" header line; nothing for other lines.
    static std::optional<QString> headerName(const QString &line);
    static bool sameName(const QString &a, const QString &b);

private:
    struct TextLine {
        QString text;
        QString end;
    };

    void terminateLineBefore(qsizetype index);

    QString m_path;
    Encoding m_encoding;
    QList<TextLine> m_lines;
};
