#include "base/Windows1254.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

QByteArray everyByte()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    return all;
}

TEST(Windows1254Test, AgreesWithTheSystemCodecOnEveryByte)
{
    QStringDecoder system("windows-1254");
    ASSERT_TRUE(system.isValid());
    const QByteArray all = everyByte();
    const QString text = Windows1254::decode(all);
    EXPECT_EQ(text, system.decode(all));
    EXPECT_EQ(Windows1254::encode(text), all);
    EXPECT_EQ(Windows1254::encodeExactly(text), all);
}

TEST(Windows1254Test, EncodesWhatTheSystemCodecEncodes)
{
    for (char16_t c = 0x80; c < 0xD800; ++c) {
        QStringEncoder system("windows-1254");
        const QByteArray bytes = system.encode(QStringView(&c, 1));
        const int byte = Windows1254::toByte(c);
        if (system.hasError())
            ASSERT_EQ(byte, Windows1254::NoByte) << int(c);
        else
            ASSERT_EQ(QByteArray(1, char(byte)), bytes) << int(c);
    }
}

TEST(Windows1254Test, LackingCharactersBecomeOneQuestionMarkEach)
{
    const struct {
        const char16_t *text;
        const char *bytes;
    } cases[] = {
        {u"Dünya ✓ 😀 ş", "D\xFCnya ? ? \xFE"},
        {u"çığİŞĞ", "\xE7\xFD\xF0\xDD\xDE\xD0"},
        {u"\xD800x", "?x"}, // a lone surrogate
        {u"", ""},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(Windows1254::encode(text), QByteArray(c.bytes)) << text.toStdString();
    }
}

TEST(Windows1254Test, ExactEncodingRefusesLackingCharacters)
{
    EXPECT_FALSE(Windows1254::encodeExactly(u"a✓b").has_value());
    EXPECT_FALSE(Windows1254::encodeExactly(QString::fromUtf16(u"😀")).has_value());
    EXPECT_EQ(Windows1254::encodeExactly(u"İstanbul"), QByteArray("\xDDstanbul"));
}

} // namespace
