#include "project/ProjectFileReader.h"

#include "model/Rounding.h"
#include "base/LineSplitter.h"
#include "base/TextEncoding.h"
#include "base/tranLng.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

const QString &readErrorSource()
{
    static const QString name = QStringLiteral("load_FILE");
    return name;
}

VarnelError endOfFile()
{
    return VarnelError(VarnelError::InputPastEnd, readErrorSource(), QStringLiteral("Dosya sonu aşıldı"));
}

// The lines of the text, one at a time. Reading past the last line is the end-of-file error.
class LineSource {
public:
    explicit LineSource(const QString &text) : m_lines(text) {}

    QStringView next()
    {
        if (m_lines.atEnd())
            throw endOfFile();
        return m_lines.next().text;
    }

private:
    LineSplitter m_lines;
};

// The characters of a leading number, ready for std::from_chars (which takes no "+" and no
// leading blanks).
struct NumberText {
    std::string digits; // digits with at most one ".", without the sign
    bool negative = false;
    bool integerPartNonZero = false;
};

NumberText scanNumber(QStringView line)
{
    NumberText n;
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (i < size && (line[i] == u' ' || line[i] == u'\t'))
        ++i;
    if (i < size && (line[i] == u'+' || line[i] == u'-')) {
        n.negative = line[i] == u'-';
        ++i;
    }
    bool point = false;
    const qsizetype start = i;
    while (i < size) {
        const char16_t c = line[i].unicode();
        if (c == u'.' && !point)
            point = true;
        else if (c >= u'0' && c <= u'9')
            n.integerPartNonZero = n.integerPartNonZero || (!point && c != u'0');
        else
            break;
        ++i;
    }
    n.digits.reserve(std::size_t(i - start));
    for (qsizetype k = start; k < i; ++k)
        n.digits.push_back(char(line[k].unicode()));
    return n;
}

template<typename T>
T fromDigits(const NumberText &n, bool &outOfRange)
{
    T value = 0;
    outOfRange = false;
    const char *first = n.digits.data();
    const char *last = first + n.digits.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        outOfRange = true;
        // Too large becomes an infinity (an overflow for every caller); too small becomes 0.
        value = n.integerPartNonZero ? std::numeric_limits<T>::infinity() : T(0);
    } else if (ec != std::errc() || ptr != last) {
        return T(0); // no digits at all: ".", a sign alone, or nothing
    }
    return n.negative ? -value : value;
}

qint16 leadingInt16(QStringView line)
{
    return Rounding::toInt16(ProjectFileReader::leadingNumber(line), readErrorSource());
}

qint32 leadingInt32(QStringView line)
{
    return Rounding::toInt32(ProjectFileReader::leadingNumber(line), readErrorSource());
}

void readBlock(LineSource &in, QVector<ParsedBlock> &blocks)
{
    // The block exists from the moment its tag ID and shape code are read.
    QString tag = in.next().toString();
    const qint16 shape = leadingInt16(in.next());
    blocks.append(ParsedBlock());
    ParsedBlock &b = blocks.last();
    b.tagID = std::move(tag);
    b.shape = shape;
    b.linesRead = 2;
    b.left = ProjectFileReader::leadingFloat(in.next());
    b.linesRead = 3;
    b.top = ProjectFileReader::leadingFloat(in.next());
    b.linesRead = 4;
    b.width = leadingInt16(in.next());
    b.linesRead = 5;
    b.height = leadingInt16(in.next());
    b.linesRead = 6;
    b.bgColor = leadingInt32(in.next());
    b.linesRead = 7;
    b.borderColor = leadingInt32(in.next());
    b.linesRead = 8;
    b.textColor = leadingInt32(in.next());
    b.linesRead = 9;
    in.next(); // -reserved 1-
    b.linesRead = 10;
    in.next(); // -reserved 2-
    b.linesRead = 11;
    b.zAction = in.next().toString();
    b.linesRead = 12;
    for (int slot = 0; slot < 3; ++slot) {
        b.zParam[slot] = ProjectFileReader::unescapeNewlines(in.next().toString());
        b.linesRead = 13 + slot;
    }
}

// "[\n]" with the letter in either case.
bool isNewlineMarker(QStringView four)
{
    return four.size() == 4 && four[0] == u'[' && four[1] == u'\\'
        && (four[2] == u'n' || four[2] == u'N') && four[3] == u']';
}

void readLine(LineSource &in, QVector<ParsedLine> &lines)
{
    const QStringView ends = in.next();
    const qsizetype comma = ends.indexOf(u',');
    if (comma < 0)
        throw VarnelError::invalidCall(readErrorSource());
    in.next(); // reserved 1
    QString caption = in.next().toString();
    QString translated = tranLng(caption);
    lines.append(ParsedLine{ends.left(comma).toString(), ends.mid(comma + 1).toString(),
                            translated.isEmpty() ? std::move(caption) : std::move(translated)});
}

} // namespace

namespace ProjectFileReader {

QString decode(QByteArrayView bytes)
{
    return TextEncoding::decode(bytes);
}

QString unescapeNewlines(const QString &text)
{
    // Replacing the first occurrence and searching again from the start, until nothing is
    // found, comes to the same as one pass from left to right: "[\n]" cannot overlap itself,
    // and the CR LF put in its place holds none of its four characters, so no new occurrence
    // can appear. The pass copies each character once, however many markers there are.
    const QLatin1String opening("[\\");
    qsizetype at = text.indexOf(opening);
    if (at < 0) // the common case: nothing to do, no copy
        return text;
    const QStringView whole(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (; at >= 0; at = text.indexOf(opening, at + 1)) {
        if (!isNewlineMarker(whole.mid(at, 4)))
            continue;
        result.append(whole.mid(copied, at - copied));
        result.append(u"\r\n");
        copied = at + 4;
        at += 3;
    }
    result.append(whole.mid(copied));
    return result;
}

double leadingNumber(QStringView line)
{
    bool outOfRange = false;
    return fromDigits<double>(scanNumber(line), outOfRange);
}

float leadingFloat(QStringView line)
{
    const NumberText n = scanNumber(line);
    bool outOfRange = false;
    const double wide = fromDigits<double>(n, outOfRange);
    if (!(std::fabs(wide) <= double(std::numeric_limits<float>::max())))
        throw VarnelError::overflow(readErrorSource());
    // Parsed again as a float, so that a value the writer printed (the shortest text that
    // gives the float back) reads back as exactly that float, without double rounding.
    const float narrow = fromDigits<float>(n, outOfRange);
    if (outOfRange || !std::isfinite(narrow))
        return float(wide) + 0.0f; // below the float range: 0; at its top edge: the largest float
    return narrow + 0.0f; // adding 0 turns -0 into 0
}

ParsedProject parse(QByteArrayView bytes)
{
    ParsedProject result;
    try {
        const QString text = decode(bytes);
        LineSource in(text);
        const QStringView first = in.next();
        if (!first.contains(QLatin1String("<--SHAPES"), Qt::CaseInsensitive)) {
            result.outcome = ParsedProject::Outcome::NotAProject;
            return result;
        }
        const qint16 blockCount = leadingInt16(first);
        const qint16 lineCount = leadingInt16(in.next());
        for (qint16 i = 0; i < blockCount; ++i)
            readBlock(in, result.blocks);
        in.next(); // the blank separator
        in.next(); // the section header of the lines
        for (qint16 i = 0; i < lineCount; ++i)
            readLine(in, result.lines);
    } catch (const VarnelError &error) {
        result.outcome = ParsedProject::Outcome::Failed;
        result.error = error;
    }
    return result;
}

} // namespace ProjectFileReader
