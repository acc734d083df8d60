#include "exercise/LineComparer.h"

#include <QList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// A line in numbers mode: the texts between numbers, and the numbers.
struct Piece {
    bool isNumber = false;
    double value = 0;
    QString text;
};

bool isNumberDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype digitsFrom(QStringView line, qsizetype i)
{
    while (i < line.size() && isNumberDigit(line[i]))
        ++i;
    return i;
}

// The end of a number starting at `i` (sign, digits, one decimal point or comma followed by
// digits, exponent), or `i` itself when none starts there. A sign counts only where it cannot
// be a minus between two operands: at the start or after a character that is no letter or digit.
qsizetype numberEnd(QStringView line, qsizetype i)
{
    qsizetype j = i;
    if (j < line.size() && (line[j] == u'-' || line[j] == u'+')) {
        if (j > 0 && line[j - 1].isLetterOrNumber())
            return i;
        ++j;
    }
    const qsizetype intEnd = digitsFrom(line, j);
    qsizetype end = intEnd;
    if (end + 1 < line.size() && (line[end] == u'.' || line[end] == u',') && isNumberDigit(line[end + 1]))
        end = digitsFrom(line, end + 1);
    if (end == j)
        return i;
    if (end < line.size() && (line[end] == u'e' || line[end] == u'E')) {
        qsizetype k = end + 1;
        if (k < line.size() && (line[k] == u'-' || line[k] == u'+'))
            ++k;
        const qsizetype expEnd = digitsFrom(line, k);
        if (expEnd > k)
            end = expEnd;
    }
    return end;
}

double numberValue(QStringView number)
{
    std::string ascii;
    ascii.reserve(size_t(number.size()));
    for (const QChar c : number) {
        if (c == u'+')
            continue; // from_chars takes a minus but no plus
        ascii.push_back(c == u',' ? '.' : char(c.unicode()));
    }
    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    // Out of range: infinite, and then equal only to the same spelling (compared as text).
    return result.ec == std::errc() ? value : HUGE_VAL;
}

QList<Piece> piecesOf(QStringView line)
{
    QList<Piece> pieces;
    QString text;
    qsizetype i = 0;
    while (i < line.size()) {
        const qsizetype end = numberEnd(line, i);
        if (end == i) {
            text += line[i++];
            continue;
        }
        if (!text.isEmpty())
            pieces.append({false, 0, std::exchange(text, QString())});
        const QStringView number = line.sliced(i, end - i);
        pieces.append({true, numberValue(number), number.toString()});
        i = end;
    }
    if (!text.isEmpty())
        pieces.append({false, 0, text});
    return pieces;
}

bool closeEnough(const Piece &a, const Piece &b)
{
    if (!std::isfinite(a.value) || !std::isfinite(b.value))
        return a.text == b.text;
    const double scale = std::max({1.0, std::fabs(a.value), std::fabs(b.value)});
    return std::fabs(a.value - b.value) <= LineComparer::Tolerance * scale;
}

} // namespace

LineComparer::LineComparer(CompareMode mode, const QLocale &locale)
    : m_mode(mode), m_locale(locale)
{
}

bool LineComparer::equal(const QString &expected, const QString &got) const
{
    switch (m_mode) {
    case CompareMode::Exact:
        return expected == got;
    case CompareMode::Trim:
        return expected.trimmed() == got.trimmed();
    case CompareMode::NoCase:
        return m_locale.toLower(expected.trimmed()) == m_locale.toLower(got.trimmed());
    case CompareMode::Numbers:
        return numbersEqual(expected.trimmed(), got.trimmed());
    }
    return false;
}

bool LineComparer::numbersEqual(const QString &expected, const QString &got) const
{
    const QList<Piece> want = piecesOf(expected);
    const QList<Piece> have = piecesOf(got);
    if (want.size() != have.size())
        return false;
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i].isNumber != have[i].isNumber)
            return false;
        if (want[i].isNumber ? !closeEnough(want[i], have[i]) : want[i].text != have[i].text)
            return false;
    }
    return true;
}

std::optional<OutputDifference> LineComparer::firstDifference(const QStringList &expected,
                                                              const QStringList &got) const
{
    const qsizetype lines = std::max(expected.size(), got.size());
    for (qsizetype i = 0; i < lines; ++i) {
        const bool haveBoth = i < expected.size() && i < got.size();
        if (haveBoth && equal(expected[i], got[i]))
            continue;
        OutputDifference difference;
        difference.line = int(i + 1);
        if (i < expected.size())
            difference.expected = expected[i];
        if (i < got.size())
            difference.got = got[i];
        return difference;
    }
    return std::nullopt;
}

std::optional<CompareMode> LineComparer::modeNamed(const QString &name)
{
    for (const CompareMode mode : {CompareMode::Exact, CompareMode::Trim, CompareMode::NoCase, CompareMode::Numbers}) {
        if (nameOf(mode) == name)
            return mode;
    }
    return std::nullopt;
}

QString LineComparer::nameOf(CompareMode mode)
{
    switch (mode) {
    case CompareMode::Exact:
        return QStringLiteral("exact");
    case CompareMode::Trim:
        return QStringLiteral("trim");
    case CompareMode::NoCase:
        return QStringLiteral("nocase");
    case CompareMode::Numbers:
        return QStringLiteral("numbers");
    }
    return QString();
}
