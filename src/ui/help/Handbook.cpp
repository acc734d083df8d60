#include "ui/help/Handbook.h"

#include "ui/help/HandbookText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

// Code blocks hold examples, not headings: a "#" inside one starts no section.
bool isFence(const QString &line)
{
    return line.startsWith(QStringLiteral("```"));
}

int headingLevel(const QString &line)
{
    static const QRegularExpression heading(QStringLiteral("^(#{1,6})\\s+\\S"));
    const QRegularExpressionMatch m = heading.match(line);
    return m.hasMatch() ? int(m.capturedLength(1)) : 0;
}

int occurrences(const QString &text, const QString &word)
{
    int count = 0;
    for (qsizetype at = text.indexOf(word); at != -1; at = text.indexOf(word, at + word.size()))
        ++count;
    return count;
}

} // namespace

HandbookChapter Handbook::parse(const QString &fileName, const QString &markdown)
{
    HandbookChapter chapter;
    chapter.fileName = fileName;
    bool inFence = false;
    for (const QString &rawLine : markdown.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (isFence(line))
            inFence = !inFence;
        const int level = inFence ? 0 : headingLevel(line);
        if (level > 0) {
            HandbookSection section;
            section.level = level;
            section.title = line.mid(level).trimmed();
            section.anchor = HandbookText::anchorOf(section.title);
            section.text = section.title;
            chapter.sections.append(section);
        } else if (!chapter.sections.isEmpty() && !inFence && !isFence(line)) {
            QString &text = chapter.sections.last().text;
            text += u' ';
            text += HandbookText::plain(line);
        }
    }
    if (!chapter.sections.isEmpty())
        chapter.title = chapter.sections.first().title;
    else
        chapter.title = fileName;
    return chapter;
}

Handbook Handbook::load(const QString &folder)
{
    Handbook handbook;
    handbook.m_folder = QDir::cleanPath(folder);
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    for (const QString &fileName : files) {
        QFile file(dir.filePath(fileName));
        if (file.open(QIODevice::ReadOnly))
            handbook.m_chapters.append(parse(fileName, QString::fromUtf8(file.readAll())));
    }
    return handbook;
}

const HandbookChapter *Handbook::chapter(const QString &fileName) const
{
    for (const HandbookChapter &c : m_chapters) {
        if (c.fileName == fileName)
            return &c;
    }
    return nullptr;
}

QString Handbook::pathOf(const QString &fileName) const
{
    return m_folder + QStringLiteral("/") + fileName;
}

QList<HandbookHit> Handbook::search(const QString &query) const
{
    const QStringList words = HandbookText::fold(query).split(u' ', Qt::SkipEmptyParts);
    QList<HandbookHit> hits;
    if (words.isEmpty())
        return hits;
    for (const HandbookChapter &chapter : m_chapters) {
        for (const HandbookSection &section : chapter.sections) {
            const QString text = HandbookText::fold(section.text);
            int count = 0;
            for (const QString &word : words) {
                const int n = occurrences(text, word);
                if (n == 0) {
                    count = 0;
                    break;
                }
                count += n;
            }
            if (count > 0)
                hits.append({chapter.fileName, section.anchor, section.title, count});
        }
    }
    return hits;
}
