#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class Block_Collection;
class Line_Collection;

namespace ProjectFileWriter {

// Seven blanks, a TAB, a blank and "<--": what stands between a number and its label word.
inline constexpr QLatin1String Separator("       \t <--");

// The bytes of the project file for the two collections: Windows-1254 text, every line ending
// in CR LF. Reads each block's position and size, so it throws the block's VarnelError when a
// block has no picture element.
QByteArray serialize(const Block_Collection &blocks, const Line_Collection &lines);

// Puts the bytes in place of the file at path, completely or not at all; throws the
// VarnelError of the cause ("Disk dolu", "İzin verilmedi", ...) when that failed, leaving the
// old file as it was.
void writeFile(const QString &path, QByteArrayView bytes);

// Every line break to "[\n]": a CR LF pair, and a CR or a LF alone (which reads back as CR LF).
QString escapeNewlines(const QString &text);

// A float in plain decimal: "." as the decimal point, no exponent, as few digits as give the
// same float back; whole values without a point, and 0 never negative.
QString formatFloat(float value);

// Windows-1254 bytes of the text; a character the code page lacks becomes "?".
QByteArray encode(QStringView text);

} // namespace ProjectFileWriter
