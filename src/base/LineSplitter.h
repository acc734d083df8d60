#pragma once

#include <QStringList>
#include <QStringView>

// Reads a text one line at a time. A line ends at CR LF or at a CR alone; a LF alone ends a
// line too, unless the text keeps it as part of the line (project files do: a parameter may
// hold a LF of its own). Text after the last line end is a last line of its own; a line end at
// the very end of the text does not start another one.
class LineSplitter {
public:
    enum class LoneLf { EndsLine, IsText };

    struct Line {
        QStringView text;
        QStringView end; // "\r\n", "\r", "\n", or empty for a last line without an end
    };

    explicit LineSplitter(QStringView text, LoneLf loneLf = LoneLf::EndsLine)
        : m_text(text), m_loneLf(loneLf) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line; call only while !atEnd().
    Line next();

    // Every line of the text, without the line ends.
    static QStringList split(QStringView text, LoneLf loneLf = LoneLf::EndsLine);

private:
    qsizetype endOfLine() const;

    QStringView m_text;
    LoneLf m_loneLf;
    qsizetype m_pos = 0;
};
