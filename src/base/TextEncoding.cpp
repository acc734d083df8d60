#include "base/TextEncoding.h"

#include "base/Windows1254.h"

#include <QStringDecoder>

#include <algorithm>

namespace TextEncoding {

namespace {

bool hasHighByte(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return (byte & 0x80) != 0; });
}

QString firstUnstorable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair)
            return text.mid(i, 2).toString();
        if (Windows1254::toByte(text[i].unicode()) == Windows1254::NoByte)
            return text.mid(i, 1).toString();
    }
    return QString();
}

QByteArray withBom(QStringView text)
{
    return Utf8Bom.toByteArray() + text.toUtf8();
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    // Stateless: a sequence cut short at the end is an error too, not a state kept for later.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(bytes.sliced(Utf8Bom.size()));
    if (hasHighByte(bytes) && isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return Windows1254::decode(bytes);
}

Encoded encode(QStringView text)
{
    Encoded encoded;
    if (std::optional<QByteArray> bytes = Windows1254::encodeExactly(text)) {
        // Code-page bytes that happen to be valid UTF-8 would be read back as UTF-8.
        if (!hasHighByte(*bytes) || !isValidUtf8(*bytes)) {
            encoded.bytes = std::move(*bytes);
            return encoded;
        }
    } else {
        encoded.unstorable = firstUnstorable(text);
    }
    encoded.utf8 = true;
    encoded.bytes = withBom(text);
    return encoded;
}

} // namespace TextEncoding
