#pragma once

#include <QString>
#include <QStringList>

// Small text rules that several interpreter operations share.
namespace TextRules {
// The longest text a value may hold. A chart that doubles a text in a loop reaches it within
// a few dozen steps and ends with an out-of-memory run-time error instead of exhausting the
// machine; 16 Mi characters (32 MiB) is far beyond any text a chart works with.
constexpr qsizetype MaxLength = qsizetype(1) << 24;
// Raises that error (VarnelError, number 7) for `source` when a text would be longer.
void checkLength(qsizetype length, const QString &source);

// One pair of enclosing double quotes removed; nothing inside is unescaped. A text that is a
// single double quote is an invalid-argument run-time error (VarnelError).
QString stripQuotes(const QString &text);

// The comma-separated items of a list (local variables, file extensions), each without
// leading and trailing spaces; the list ends at the first empty item.
QStringList listItems(const QString &text);

// Spaces only (not tabs or other blanks) removed at the start, the end, or both.
QString ltrim(QStringView text);
QString rtrim(QStringView text);
QString trim(QStringView text);
}
