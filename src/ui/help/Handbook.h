#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One heading of a chapter and the text below it up to the next heading.
struct HandbookSection {
    int level = 1;
    QString title;
    QString anchor;
    QString text; // plain words, for the search
};

// One chapter: a Markdown file of the handbook folder.
struct HandbookChapter {
    QString fileName;
    QString title;
    QList<HandbookSection> sections; // the chapter's own heading first
};

// Where the search found the words: a section and how often they occur in it.
struct HandbookHit {
    QString fileName;
    QString anchor;
    QString title;
    int count = 0;
};

// The handbook in one language: the chapters of a folder of Markdown files, in the order of
// their file names, with their headings. It reads the files only; showing them is the help
// window's work.
class Handbook {
public:
    // Every "*.md" file of the folder; an empty handbook when the folder has none.
    static Handbook load(const QString &folder);
    // Reads one chapter from its Markdown text.
    static HandbookChapter parse(const QString &fileName, const QString &markdown);

    bool isEmpty() const { return m_chapters.isEmpty(); }
    const QString &folder() const { return m_folder; }
    const QList<HandbookChapter> &chapters() const { return m_chapters; }
    const HandbookChapter *chapter(const QString &fileName) const;
    QString pathOf(const QString &fileName) const;

    // The sections that hold every word of the query (Turkish marks and letter case ignored),
    // in the order of the handbook.
    QList<HandbookHit> search(const QString &query) const;

private:
    QString m_folder;
    QList<HandbookChapter> m_chapters;
};
