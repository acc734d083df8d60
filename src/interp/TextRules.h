#pragma once

#include <QString>
#include <QStringList>

// Small text rules that several interpreter operations share.
namespace TextRules {
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
