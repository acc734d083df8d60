#pragma once

#include "model/VarnelError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QVector>
#include <QtGlobal>

#include <optional>

// One block record as read from a project file. Reading may stop inside a record (end of file,
// a number out of range); linesRead then says how many of its 15 lines were read, so that a
// load can apply exactly those fields. A record appears only once its first two lines (tag ID
// and shape code) are read, because that is when the loader creates the block.
struct ParsedBlock {
    static constexpr int LinesPerRecord = 15;

    QString tagID;
    qint16 shape = 0;
    float left = 0;
    float top = 0;
    qint16 width = 0;
    qint16 height = 0;
    qint32 bgColor = 0;
    qint32 borderColor = 0;
    qint32 textColor = 0;
    QString zAction;
    QString zParam[3];
    int linesRead = 0;

    bool has(int recordLine) const { return linesRead >= recordLine; }
    bool complete() const { return linesRead == LinesPerRecord; }
};

// One line record; sCaption is already translated the way the loader shows it.
struct ParsedLine {
    QString sFrom;
    QString sTo;
    QString sCaption;
};

// Everything one pass over a project file gives: the records read, in file order, and the
// error that stopped the reading. Immutable once made, so function calls can share one copy of
// an unchanged file.
struct ParsedProject {
    enum class Outcome {
        Complete,    // read to the end of the last line record
        NotAProject, // the first line lacks the "<--SHAPES" marker; nothing else was read
        Failed,      // reading stopped at `error`; the records before it are kept
    };

    Outcome outcome = Outcome::Complete;
    QVector<ParsedBlock> blocks;
    QVector<ParsedLine> lines;
    std::optional<VarnelError> error; // set exactly when outcome is Failed
};

namespace ProjectFileReader {

// Files larger than this are refused with an error instead of being read: a drawing of 32767
// blocks with long parameters stays far below it.
constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

// Parses the bytes of a project file. Never throws; any byte sequence ends in one of the three
// outcomes.
ParsedProject parse(QByteArrayView bytes);

// The text of the bytes: UTF-8 when they start with its byte-order mark or are valid UTF-8 with
// a multi-byte sequence, else Windows-1254 (every byte one character).
QString decode(QByteArrayView bytes);

// "[\n]" (the letter in either case) back to CR LF.
QString unescapeNewlines(const QString &text);

// The leading number of a numeric line: blanks and TABs skipped, an optional sign, then digits
// with at most one "." decimal point; 0 when there is none. Never fails: a value too large for
// a double is an infinity, which every conversion below turns into an overflow.
double leadingNumber(QStringView line);
// The leading number as a 32-bit float; an overflow error when it lies outside the float range.
float leadingFloat(QStringView line);

} // namespace ProjectFileReader
