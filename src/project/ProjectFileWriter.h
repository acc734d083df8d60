#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class Block_Collection;
class Line_Collection;
class MessageLog;

namespace ProjectFileWriter {

// Seven blanks, a TAB, a blank and "<--": what stands between a number and its label word.
inline constexpr QLatin1String Separator("       \t <--");

// The text of the project file for the two collections, every line ending in CR LF. Reads each
// block's position and size, so it throws the block's VarnelError when a block has no picture
// element.
QString serializeText(const Block_Collection &blocks, const Line_Collection &lines);
// That text encoded (see encode).
QByteArray serialize(const Block_Collection &blocks, const Line_Collection &lines);

// Writes the project file for the two collections to path (see writeFile); when the file had
// to be UTF-8, the log says so once.
void save(const QString &path, const Block_Collection &blocks, const Line_Collection &lines, MessageLog &log);

// Puts the bytes in place of the file at path, completely or not at all; throws the
// VarnelError of the cause ("Disk dolu", "İzin verilmedi", ...) when that failed, leaving the
// old file as it was.
void writeFile(const QString &path, QByteArrayView bytes);

// Every line break to "[\n]": a CR LF pair, and a CR or a LF alone (which reads back as CR LF).
QString escapeNewlines(const QString &text);

// A float in plain decimal: "." as the decimal point, no exponent, as few digits as give the
// same float back; whole values without a point, and 0 never negative.
QString formatFloat(float value);

// Windows-1254 bytes of the text; UTF-8 behind a byte-order mark when a character of the text
// has no place in that code page.
QByteArray encode(QStringView text);

// What the message window says when a save had to use UTF-8 because of that character.
QString utf8Notice(const QString &character);

} // namespace ProjectFileWriter
