// The pieces of the project file format: code page, numbers, escaping, and the reader's record
// of a file.

#include "ProjectTestSupport.h"

#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace ProjectTest;
using Outcome = ParsedProject::Outcome;

TEST(ProjectFileCodec, EveryByteIsOneCharacterAndComesBack)
{
    ASSERT_TRUE(QStringDecoder("windows-1254").isValid());
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = ProjectFileReader::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ProjectFileWriter::encode(text), all);
    // The Turkish letters of the code page.
    EXPECT_EQ(text.mid(0xD0, 1), QStringLiteral("Ğ"));
    EXPECT_EQ(text.mid(0xDD, 2), QStringLiteral("İŞ"));
    EXPECT_EQ(text.mid(0xF0, 1), QStringLiteral("ğ"));
    EXPECT_EQ(text.mid(0xFC, 3), QStringLiteral("üış"));
    EXPECT_EQ(text.mid(0x80, 1), QStringLiteral("€"));
}

TEST(ProjectFileCodec, CharactersOutsideTheCodePageTurnTheFileToUtf8)
{
    EXPECT_EQ(ProjectFileWriter::encode(QStringLiteral("Dünya ✓ 😀 ş")),
              QByteArray("\xEF\xBB\xBF" "D\xC3\xBCnya \xE2\x9C\x93 \xF0\x9F\x98\x80 \xC5\x9F"));
    EXPECT_EQ(ProjectFileWriter::encode(QStringLiteral("çığ")), QByteArray("\xE7\xFD\xF0"));
}

TEST(ProjectFileNumbers, LeadingNumberRule)
{
    using ProjectFileReader::leadingNumber;
    EXPECT_EQ(leadingNumber(u"120       \t <--LEFT"), 120);
    EXPECT_EQ(leadingNumber(u" \t 12.5abc"), 12.5);
    EXPECT_EQ(leadingNumber(u"+3"), 3);
    EXPECT_EQ(leadingNumber(u"-.5"), -0.5);
    EXPECT_EQ(leadingNumber(u"5."), 5);
    EXPECT_EQ(leadingNumber(u"1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber(u"120,75"), 120); // a comma is not a decimal point
    EXPECT_EQ(leadingNumber(u"- 5"), 0);      // blanks only before the sign
    EXPECT_EQ(leadingNumber(u"abc"), 0);
    EXPECT_EQ(leadingNumber(u""), 0);
    EXPECT_EQ(leadingNumber(u"."), 0);
    EXPECT_EQ(leadingNumber(u"-"), 0);
    EXPECT_EQ(leadingNumber(u"1e5"), 1);  // no exponent
    EXPECT_EQ(leadingNumber(u"0x10"), 0); // no hexadecimal
    EXPECT_EQ(leadingNumber(u"12<--shapes"), 12);
    EXPECT_EQ(leadingNumber(u"٣"), 0); // only the digits 0 to 9
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, u'9'))));
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0);
}

TEST(ProjectFileNumbers, FloatsOutsideTheRangeOverflow)
{
    using ProjectFileReader::leadingFloat;
    EXPECT_EQ(leadingFloat(u"-12.25  <--TOP"), -12.25f);
    try {
        leadingFloat(QStringLiteral("1") + QString(39, u'0'));
        FAIL() << "no overflow";
    } catch (const VarnelError &e) {
        EXPECT_EQ(e.number(), VarnelError::Overflow);
        EXPECT_EQ(e.description(), QStringLiteral("Taşma"));
    }
    EXPECT_THROW(leadingFloat(QString(400, u'9')), VarnelError);
    EXPECT_EQ(leadingFloat(QStringLiteral("0.") + QString(60, u'0') + u'1'), 0.0f);
    EXPECT_FALSE(std::signbit(leadingFloat(u"-0")));
}

TEST(ProjectFileNumbers, FloatsAreWrittenPlainlyAndReadBackExactly)
{
    using ProjectFileWriter::formatFloat;
    EXPECT_EQ(formatFloat(120.0f), QStringLiteral("120"));
    EXPECT_EQ(formatFloat(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(formatFloat(-37.5f), QStringLiteral("-37.5"));
    EXPECT_EQ(formatFloat(-0.0f), QStringLiteral("0"));
    EXPECT_EQ(formatFloat(1e30f).indexOf(u'e'), -1);
    EXPECT_EQ(formatFloat(1e-30f).indexOf(u'e'), -1);

    std::mt19937 random(1254);
    const float specials[] = {FLT_MAX, -FLT_MAX, FLT_MIN, FLT_TRUE_MIN, 1.0f / 3, 16777217.0f, 0.3f};
    for (float f : specials)
        EXPECT_EQ(ProjectFileReader::leadingFloat(formatFloat(f)), f) << formatFloat(f).toStdString();
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t bits = random();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        if (!std::isfinite(f) || f == 0)
            continue;
        const QString text = formatFloat(f);
        ASSERT_EQ(ProjectFileReader::leadingFloat(text), f) << text.toStdString();
    }
}

// The escaping, done literally: find the first occurrence, replace it, search again from the
// start.
static QString replaceAll(QString text, const QString &find, const QString &with, Qt::CaseSensitivity cs)
{
    for (qsizetype at = text.indexOf(find, 0, cs); at >= 0; at = text.indexOf(find, 0, cs))
        text.replace(at, find.size(), with);
    return text;
}

TEST(ProjectFileEscaping, Examples)
{
    using ProjectFileReader::unescapeNewlines;
    using ProjectFileWriter::escapeNewlines;
    EXPECT_EQ(escapeNewlines(QStringLiteral("a\r\nb")), QStringLiteral("a[\\n]b"));
    // A CR or a LF alone would end the file's line: it is written as a line break too.
    EXPECT_EQ(escapeNewlines(QStringLiteral("a\rb\nc\n\r")), QStringLiteral("a[\\n]b[\\n]c[\\n][\\n]"));
    EXPECT_EQ(escapeNewlines(QStringLiteral("\r\r\n\n")), QStringLiteral("[\\n][\\n][\\n]"));
    EXPECT_EQ(unescapeNewlines(QStringLiteral("a[\\n]b[\\N]c")), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(unescapeNewlines(QStringLiteral("[[\\n]]")), QStringLiteral("[\r\n]"));
    EXPECT_EQ(unescapeNewlines(QStringLiteral("[\\n")), QStringLiteral("[\\n"));
    EXPECT_EQ(unescapeNewlines(QStringLiteral("[/n]")), QStringLiteral("[/n]"));
}

TEST(ProjectFileEscaping, OnePassDoesWhatReplacingFromTheStartDoes)
{
    const QString alphabet = QStringLiteral("[\\nN]\r\nx");
    std::mt19937 random(42);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = int(random() % 14);
        for (int k = 0; k < length; ++k)
            text += alphabet.at(qsizetype(random() % std::uint32_t(alphabet.size())));
        QString pairsFirst = replaceAll(text, QStringLiteral("\r\n"), QStringLiteral("[\\n]"), Qt::CaseSensitive);
        pairsFirst = replaceAll(pairsFirst, QStringLiteral("\r"), QStringLiteral("[\\n]"), Qt::CaseSensitive);
        pairsFirst = replaceAll(pairsFirst, QStringLiteral("\n"), QStringLiteral("[\\n]"), Qt::CaseSensitive);
        ASSERT_EQ(ProjectFileWriter::escapeNewlines(text), pairsFirst);
        ASSERT_EQ(ProjectFileReader::unescapeNewlines(text),
                  replaceAll(text, QStringLiteral("[\\n]"), QStringLiteral("\r\n"), Qt::CaseInsensitive));
    }
}

TEST(ProjectFileEscaping, ManyBreaksInOneParameter)
{
    // Pieces, what each becomes in the file and what that reads back as; the near misses stay
    // as they are, a lone CR or LF comes back as CR LF.
    const QString pieces[][3] = {
        {QStringLiteral("\r\n"), QStringLiteral("[\\n]"), QStringLiteral("\r\n")},
        {QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a")},
        {QStringLiteral("[\\"), QStringLiteral("[\\"), QStringLiteral("[\\")},
        {QStringLiteral("\r"), QStringLiteral("[\\n]"), QStringLiteral("\r\n")},
        {QStringLiteral("\n["), QStringLiteral("[\\n]["), QStringLiteral("\r\n[")},
    };
    QString text;
    QString escaped;
    QString readBack;
    for (int i = 0; i < 300000; ++i) {
        const auto &piece = pieces[(i * 7) % 5];
        text += piece[0];
        escaped += piece[1];
        readBack += piece[2];
    }
    ASSERT_EQ(ProjectFileWriter::escapeNewlines(text), escaped);
    ASSERT_EQ(ProjectFileReader::unescapeNewlines(escaped), readBack);
    QString upper = escaped;
    upper.replace(QStringLiteral("[\\n]"), QStringLiteral("[\\N]"));
    ASSERT_EQ(ProjectFileReader::unescapeNewlines(upper), readBack);
}

TEST(ProjectFileReader, ReadsTheExampleProject)
{
    const ParsedProject parsed = ProjectFileReader::parse(helloBytes());
    ASSERT_EQ(parsed.outcome, Outcome::Complete);
    EXPECT_FALSE(parsed.error.has_value());
    ASSERT_EQ(parsed.blocks.size(), 3);
    const ParsedBlock &output = parsed.blocks[1];
    EXPECT_EQ(output.tagID, QStringLiteral("id2"));
    EXPECT_EQ(output.shape, 91);
    EXPECT_EQ(output.left, 110.0f);
    EXPECT_EQ(output.top, 100.0f);
    EXPECT_EQ(output.width, 130);
    EXPECT_EQ(output.height, 40);
    EXPECT_EQ(output.bgColor, 16777215);
    EXPECT_EQ(output.borderColor, 0);
    EXPECT_EQ(output.textColor, 0);
    EXPECT_EQ(output.zAction, QStringLiteral("OUTPUT"));
    EXPECT_EQ(output.zParam[0], QStringLiteral("Merhaba Dünya"));
    EXPECT_TRUE(output.zParam[1].isEmpty());
    EXPECT_TRUE(output.complete());
    ASSERT_EQ(parsed.lines.size(), 2);
    EXPECT_EQ(parsed.lines[1].sFrom, QStringLiteral("id2"));
    EXPECT_EQ(parsed.lines[1].sTo, QStringLiteral("id3"));
    EXPECT_EQ(parsed.lines[1].sCaption, QString());
}

TEST(ProjectFileReader, LineEnds)
{
    // CR LF, a CR alone and a LF alone end a line; a last line needs no line end.
    for (const QByteArray lineEnd : {"\r", "\n"}) {
        QByteArray bytes = helloBytes();
        bytes.replace("\r\n", lineEnd);
        bytes.chop(1); // the last (empty) caption line loses its line end... and is then missing
        ParsedProject parsed = ProjectFileReader::parse(bytes);
        ASSERT_EQ(parsed.outcome, Outcome::Failed);
        EXPECT_EQ(parsed.error->number(), VarnelError::InputPastEnd);
        EXPECT_EQ(parsed.error->description(), QStringLiteral("Dosya sonu aşıldı"));
        EXPECT_EQ(parsed.lines.size(), 1);

        bytes += "last caption without a line end";
        parsed = ProjectFileReader::parse(bytes);
        ASSERT_EQ(parsed.outcome, Outcome::Complete);
        EXPECT_EQ(parsed.blocks[1].zParam[0], QStringLiteral("Merhaba Dünya"));
        EXPECT_EQ(parsed.lines[1].sCaption, QStringLiteral("last caption without a line end"));
    }
}

TEST(ProjectFileReader, FileFromALinuxEditorReadsAsWrittenByThisProgram)
{
    QByteArray lf = helloBytes();
    lf.replace("\r\n", "\n");
    QByteArray mixed = helloBytes();
    mixed = replaceOnce(mixed, "OUTPUT\r\n", "OUTPUT\n");
    const ParsedProject original = ProjectFileReader::parse(helloBytes());
    for (const QByteArray &bytes : {lf, mixed}) {
        const ParsedProject parsed = ProjectFileReader::parse(bytes);
        ASSERT_EQ(parsed.outcome, Outcome::Complete);
        ASSERT_EQ(parsed.blocks.size(), original.blocks.size());
        for (qsizetype i = 0; i < parsed.blocks.size(); ++i) {
            EXPECT_EQ(parsed.blocks[i].zAction, original.blocks[i].zAction);
            EXPECT_EQ(parsed.blocks[i].zParam[0], original.blocks[i].zParam[0]);
            EXPECT_EQ(parsed.blocks[i].width, original.blocks[i].width);
        }
        EXPECT_EQ(parsed.lines.size(), original.lines.size());
    }
}

TEST(ProjectFileReader, ARecordCutShortKeepsWhatWasRead)
{
    // Cut the file inside the second block's WIDTH line.
    const QByteArray hello = helloBytes();
    const qsizetype at = hello.indexOf("130       ");
    ASSERT_GT(at, 0);
    ParsedProject parsed = ProjectFileReader::parse(hello.left(at));
    ASSERT_EQ(parsed.outcome, Outcome::Failed);
    ASSERT_EQ(parsed.blocks.size(), 2);
    EXPECT_EQ(parsed.blocks[1].linesRead, 4);
    EXPECT_EQ(parsed.blocks[1].top, 100.0f);

    // A shape code out of range: the block is never made.
    parsed = ProjectFileReader::parse(replaceOnce(hello, "91       ", "32768       "));
    ASSERT_EQ(parsed.outcome, Outcome::Failed);
    EXPECT_EQ(parsed.error->number(), VarnelError::Overflow);
    EXPECT_EQ(parsed.blocks.size(), 1);
}

TEST(ProjectFileReader, Marker)
{
    EXPECT_EQ(ProjectFileReader::parse("3 <--SHAPE\r\n").outcome, Outcome::NotAProject);
    EXPECT_EQ(ProjectFileReader::parse("\r\n3       \t <--SHAPES\r\n").outcome, Outcome::NotAProject);
    EXPECT_EQ(ProjectFileReader::parse("0<--ShApEs\r\n0\r\n  \r\n--\r\n").outcome, Outcome::Complete);
    EXPECT_EQ(ProjectFileReader::parse("x<--shapesy\r\n0\r\n\r\n\r\n").outcome, Outcome::Complete);
    // An empty file ends before its first line.
    const ParsedProject empty = ProjectFileReader::parse(QByteArray());
    EXPECT_EQ(empty.outcome, Outcome::Failed);
    EXPECT_EQ(empty.error->number(), VarnelError::InputPastEnd);
    // Negative counts read nothing.
    EXPECT_EQ(ProjectFileReader::parse("-5<--SHAPES\r\n-1\r\n\r\n\r\n").outcome, Outcome::Complete);
}
