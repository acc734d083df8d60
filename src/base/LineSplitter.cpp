#include "base/LineSplitter.h"

qsizetype LineSplitter::endOfLine() const
{
    for (qsizetype i = m_pos; i < m_text.size(); ++i) {
        if (m_text[i] == u'\r' || m_text[i] == u'\n')
            return i;
    }
    return -1;
}

LineSplitter::Line LineSplitter::next()
{
    const qsizetype size = m_text.size();
    const qsizetype end = endOfLine();
    if (end < 0) {
        const Line line{m_text.mid(m_pos), QStringView()};
        m_pos = size;
        return line;
    }
    const qsizetype endLength = m_text[end] == u'\r' && end + 1 < size && m_text[end + 1] == u'\n' ? 2 : 1;
    const Line line{m_text.mid(m_pos, end - m_pos), m_text.mid(end, endLength)};
    m_pos = end + endLength;
    return line;
}

QStringList LineSplitter::split(QStringView text)
{
    QStringList lines;
    LineSplitter splitter(text);
    while (!splitter.atEnd())
        lines.append(splitter.next().text.toString());
    return lines;
}
