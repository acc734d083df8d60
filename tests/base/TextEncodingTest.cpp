#include "base/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

QByteArray bom(const QByteArray &bytes)
{
    return TextEncoding::Utf8Bom.toByteArray() + bytes;
}

TEST(TextEncodingTest, ReadsUtf8OnlyWhenMarkedOrValidWithAMultiByteSequence)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"ASCII", "abc\r\n", "abc\r\n"},
        {"code page", "I\xFE\xFDk \xF0\xFC\xDD", "Işık ğüİ"},
        {"UTF-8 without a mark", "I\xC5\x9F\xC4\xB1k \xE2\x9C\x93", "Işık ✓"},
        {"UTF-8 behind the mark", bom("D\xC3\xBCnya"), "Dünya"},
        {"the mark before ASCII", bom("3 <--SHAPES"), "3 <--SHAPES"},
        {"the mark alone", bom(""), ""},
        {"a four-byte sequence", "\xF0\x9F\x98\x80", QString::fromUtf16(u"😀")},
        // Not valid UTF-8, so the code page.
        {"an overlong slash", "\xC0\xAF", "À¯"},
        {"a surrogate", "\xED\xA0\x80", QString::fromUtf16(u"í\u00A0€")},
        {"past U+10FFFF", "\xF4\x90\x80\x80", QString::fromUtf16(u"ô\u0090€€")},
        {"a sequence cut at the end", "a\xC3", "aÃ"},
        {"a lone continuation byte", "a\x80", "a€"},
        {"valid pieces around a code-page letter", "\xC3\xBC \xFE", "Ã¼ ş"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextEncoding::decode(c.bytes), c.text) << c.name;
}

TEST(TextEncodingTest, WritesTheCodePageUnlessThatWouldLoseOrChangeACharacter)
{
    const struct {
        const char *name;
        QString text;
        QByteArray bytes;
        QString unstorable;
    } cases[] = {
        {"Turkish letters", "Işık ğüİ", "I\xFE\xFDk \xF0\xFC\xDD", ""},
        {"a tick", "a✓b✗", bom("a\xE2\x9C\x93" "b\xE2\x9C\x97"), "✓"},
        {"a letter past the basic plane", QString::fromUtf16(u"x😀✓"), bom("x\xF0\x9F\x98\x80\xE2\x9C\x93"),
         QString::fromUtf16(u"😀")},
        {"a lone surrogate", QString::fromUtf16(u"a\xD800"), bom("a?"), QString::fromUtf16(u"\xD800")},
        // Code-page bytes that would read back as UTF-8 "ü".
        {"looks like UTF-8", "Ã¼", bom("\xC3\x83\xC2\xBC"), ""},
    };
    for (const auto &c : cases) {
        const TextEncoding::Encoded encoded = TextEncoding::encode(c.text);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.name;
        EXPECT_EQ(encoded.utf8, c.bytes.startsWith(TextEncoding::Utf8Bom)) << c.name;
        EXPECT_EQ(encoded.unstorable, c.unstorable) << c.name;
        if (!c.text.contains(QChar(0xD800))) {
            EXPECT_EQ(TextEncoding::decode(encoded.bytes), c.text) << c.name;
        }
    }
}

} // namespace
