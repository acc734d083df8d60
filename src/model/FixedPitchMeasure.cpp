#include "model/FixedPitchMeasure.h"

#include <QStringView>
#include <algorithm>

FixedPitchMeasure::FixedPitchMeasure(double charWidth, double lineHeight)
    : m_charWidth(charWidth), m_lineHeight(lineHeight)
{
}

// CR LF, LF and a lone CR each end a line.
static qsizetype widestLine(const QString &text, qsizetype &lines)
{
    qsizetype widest = 0;
    qsizetype start = 0;
    lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        widest = std::max(widest, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
        ++lines;
    }
    return std::max(widest, text.size() - start);
}

double FixedPitchMeasure::width(Font, const QString &text) const
{
    qsizetype lines = 0;
    return double(widestLine(text, lines)) * m_charWidth;
}

double FixedPitchMeasure::height(Font, const QString &text) const
{
    qsizetype lines = 0;
    widestLine(text, lines);
    return double(lines) * m_lineHeight;
}
