#include "interp/Numbers.h"

#include <QVarLengthArray>
#include <charconv>

namespace {
// The regional settings with the one character the conversions need, looked up once: building
// a QLocale or asking it for its separator on every conversion would cost more than the
// conversion itself.
struct Regional {
    QLocale locale;
    char16_t decimalPoint;

    explicit Regional(const QLocale &l) : locale(l), decimalPoint(separatorOf(l)) {}

    static char16_t separatorOf(const QLocale &l)
    {
        const QString point = l.decimalPoint();
        return point.size() == 1 ? point.front().unicode() : u'.';
    }
};

Regional &programRegional()
{
    static Regional current{QLocale()};
    return current;
}

thread_local Regional *threadRegional = nullptr;

Regional &regional()
{
    return threadRegional ? *threadRegional : programRegional();
}

bool isNumberPadding(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

using AsciiBuffer = QVarLengthArray<char, 64>;

// Copies the digits starting at `i` into `ascii`; returns whether there was at least one.
bool copyDigits(QStringView text, qsizetype &i, AsciiBuffer &ascii)
{
    const qsizetype start = i;
    for (; i < text.size() && isDecimalDigit(text[i].unicode()); ++i)
        ascii.append(char(text[i].unicode()));
    return i > start;
}

void copySign(QStringView text, qsizetype &i, AsciiBuffer &ascii)
{
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii.append('-'); // from_chars takes a minus but no plus
        ++i;
    }
}

// Validates the number spelling and turns it into the ASCII form that from_chars reads.
bool toAscii(QStringView text, char16_t separator, AsciiBuffer &ascii)
{
    qsizetype i = 0;
    copySign(text, i, ascii);
    bool digits = copyDigits(text, i, ascii);
    if (i < text.size() && text[i].unicode() == separator) {
        ascii.append('.');
        ++i;
        digits = copyDigits(text, i, ascii) || digits;
    }
    if (!digits)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ascii.append('e');
        ++i;
        copySign(text, i, ascii);
        if (!copyDigits(text, i, ascii))
            return false;
    }
    return i == text.size();
}
}

void Numbers::useLocale(const QLocale &locale)
{
    // One set of regional settings for the whole program: names compared without regard to
    // case (block keys too) follow the same language as the numbers.
    QLocale::setDefault(locale);
    programRegional() = Regional(locale);
}

Numbers::ThreadLocale::ThreadLocale(const QLocale &locale) : m_previous(threadRegional)
{
    threadRegional = new Regional(locale);
}

Numbers::ThreadLocale::~ThreadLocale()
{
    delete threadRegional;
    threadRegional = static_cast<Regional *>(m_previous);
}

const QLocale &Numbers::locale()
{
    return regional().locale;
}

bool Numbers::parse(QStringView text, double &out)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isNumberPadding(text[begin]))
        ++begin;
    while (end > begin && isNumberPadding(text[end - 1]))
        --end;
    AsciiBuffer ascii;
    if (!toAscii(text.sliced(begin, end - begin), regional().decimalPoint, ascii))
        return false;
    double value = 0;
    const char *last = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), last, value);
    // Out of range either way (too large, or too small to be told from zero) is no number.
    if (ec != std::errc() || ptr != last)
        return false;
    out = value;
    return true;
}

QString Numbers::format(double value)
{
    if (value == 0)
        value = 0; // never "-0"
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const char16_t separator = regional().decimalPoint;
    QString text(result.ptr - buffer, Qt::Uninitialized);
    QChar *out = text.data();
    // %.15g spelling: exponent sign and at least two exponent digits are already there.
    for (const char *p = buffer; p != result.ptr; ++p, ++out) {
        if (*p == '.')
            *out = QChar(separator);
        else if (*p == 'e')
            *out = u'E';
        else
            *out = QLatin1Char(*p);
    }
    return text;
}

QString Numbers::formatInt(qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}
