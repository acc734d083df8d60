#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// Writes a small chart file from a list of blocks and lines, for the export tests.
class ChartFile {
public:
    ChartFile &block(const QString &tag, const QString &action, const QString &p1 = QString(),
                     const QString &p2 = QString(), const QString &p3 = QString())
    {
        const int shape = action == u"START" || action == u"STOP" ? 2 : (action.startsWith(u"IF_") ? 92 : 0);
        m_blocks += tag + u'\n' + QString::number(shape) + QStringLiteral("\t<--TYPE\n10\t<--LEFT\n10\t<--TOP\n"
                                                                          "70\t<--WIDTH\n30\t<--HEIGHT\n"
                                                                          "16777215\t<--BACKCOLOR\n0\t<--BORDERCOLOR\n"
                                                                          "0\t<--BORDERCOLOR\n-reserved 1-\n-reserved 2-\n")
            + action + u'\n' + p1 + u'\n' + p2 + u'\n' + p3 + u'\n';
        ++m_blockCount;
        return *this;
    }

    ChartFile &line(const QString &from, const QString &to, const QString &caption = QString())
    {
        m_lines += from + u',' + to + QStringLiteral("\nreserved 1\n") + caption + u'\n';
        ++m_lineCount;
        return *this;
    }

    bool save(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        const QString text = QString::number(m_blockCount) + QStringLiteral("\t<--SHAPES\n")
            + QString::number(m_lineCount) + QStringLiteral("\t<--LINES\n") + m_blocks
            + QStringLiteral("  \n---- LINES ---- from,to ----\n") + m_lines;
        return file.write("\xEF\xBB\xBF" + text.toUtf8()) > 0;
    }

private:
    QString m_blocks;
    QString m_lines;
    int m_blockCount = 0;
    int m_lineCount = 0;
};
