#include "base/Windows1254.h"

namespace Windows1254 {

namespace {

// 0x80..0x9F.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

// The characters of the upper half that are not Latin-1 (0x80..0x9F and six Turkish letters).
int upperByte(char16_t c)
{
    for (int byte = 0x80; byte < 0x100; ++byte) {
        if (fromByte(byte) == c)
            return byte;
    }
    return NoByte;
}

// The length of the character at i: a surrogate pair is one character.
qsizetype charLength(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

char16_t fromByte(int byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return HighControls[byte - 0x80];
    switch (byte) {
    case 0xD0: return u'\u011E'; // Ğ
    case 0xDD: return u'\u0130'; // İ
    case 0xDE: return u'\u015E'; // Ş
    case 0xF0: return u'\u011F'; // ğ
    case 0xFD: return u'\u0131'; // ı
    case 0xFE: return u'\u015F'; // ş
    default: return char16_t(byte); // the rest is Latin-1
    }
}

int toByte(char16_t c)
{
    if (c < 0x80)
        return c;
    if (c >= 0xA0 && c < 0x100 && fromByte(c) == c)
        return c;
    return upperByte(c);
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = fromByte(static_cast<unsigned char>(byte));
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = charLength(text, i);
        const int byte = length == 1 ? toByte(text[i].unicode()) : NoByte;
        bytes.append(byte == NoByte ? '?' : char(byte));
        i += length;
    }
    return bytes;
}

std::optional<QByteArray> encodeExactly(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int byte = toByte(c.unicode());
        if (byte == NoByte)
            return std::nullopt;
        *out++ = char(byte);
    }
    return bytes;
}

} // namespace Windows1254
