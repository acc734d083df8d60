#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The Turkish single-byte code page of project files, the settings file, .ini files and the
// CHR and ASC built-ins. Every byte is one character; the five bytes the code page leaves
// undefined (0x81, 0x8D..0x90, 0x9D, 0x9E) stand for the C1 control of the same value, so any
// byte sequence decodes and encodes back unchanged.
namespace Windows1254 {

// Returned by toByte for a character the code page lacks.
constexpr int NoByte = -1;

// The character of one byte (0..255).
char16_t fromByte(int byte);
// The byte of one character; NoByte when the code page lacks it.
int toByte(char16_t c);

QString decode(QByteArrayView bytes);
// A character the code page lacks (a surrogate pair counts as one) becomes "?", as the
// platform's own conversion does.
QByteArray encode(QStringView text);
// The bytes, or nothing when some character has no place in the code page.
std::optional<QByteArray> encodeExactly(QStringView text);

} // namespace Windows1254
