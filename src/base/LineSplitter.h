#pragma once

#include <QStringList>
#include <QStringView>

// Reads a text one line at a time. A line ends at CR LF, at a CR alone or at a LF alone (files
// from Linux editors end their lines so). Text after the last line end is a last line of its
// own; a line end at the very end of the text does not start another one.
class LineSplitter {
public:
    struct Line {
        QStringView text;
        QStringView end; // "\r\n", "\r", "\n", or empty for a last line without an end
    };

    explicit LineSplitter(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line; call only while !atEnd().
    Line next();

    // Every line of the text, without the line ends.
    static QStringList split(QStringView text);

private:
    qsizetype endOfLine() const;

    QStringView m_text;
    qsizetype m_pos = 0;
};
