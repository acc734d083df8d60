#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The two encodings a chart file may come in. Files are written in Windows-1254 as the system
// always did; a text holding a character that code page lacks is written as UTF-8 behind a
// byte-order mark instead, so that nothing is lost. Reading takes a file as UTF-8 when it starts
// with that mark, or when its bytes are valid UTF-8 with at least one multi-byte sequence (text
// editors on Linux write so), else as Windows-1254: Turkish letters in that code page never
// form valid UTF-8 sequences, so the two cannot be mistaken for each other in practice.
namespace TextEncoding {

inline constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

QString decode(QByteArrayView bytes);

// Every byte below 0x80 and the whole valid UTF-8 (no overlong forms, no surrogates, nothing
// past U+10FFFF, no sequence cut short).
bool isValidUtf8(QByteArrayView bytes);

struct Encoded {
    QByteArray bytes;
    bool utf8 = false;
    // The first character that Windows-1254 lacks (a surrogate pair is one character), when
    // that is why the text went to UTF-8; empty otherwise.
    QString unstorable;
};

Encoded encode(QStringView text);

} // namespace TextEncoding
