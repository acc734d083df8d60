#pragma once

#include <QString>
#include <QtGlobal>

// Field-level rules of window definitions: records are "|"-terminated fields, numbers are the
// leading decimal number of a field, stored as 16-bit integers.
namespace DefinitionFields {

inline constexpr QChar separator = u'|';

// The text before the first separator; that part and the separator are removed from text.
// Without a separator: the empty text, and text stays as it is.
QString nextField(QString &text, QChar sep = separator);

// The leading decimal number of the text ("." is the decimal point, blanks and tabs are
// skipped, reading stops at the first character that cannot continue the number); 0 when
// there is none. Locale-independent, so a definition reads the same everywhere.
double number(const QString &text);

// Nearest integer, halves to even, held to the 16-bit range: only hand-edited files reach past
// it, and they should load rather than fail.
qint16 toInt16(double value);

} // namespace DefinitionFields
