#pragma once

#include <QString>

// The handbook as plain web pages: one HTML file per chapter of one language, an index of the
// chapters, and the chart pictures beside them, in the same folder layout as the Markdown
// (language/chapter.html, charts/*.png), so the pictures' relative addresses hold.
class HandbookWebPages {
public:
    // handbookRoot holds "<language>/*.md" and "charts/*.png". False with the reason in error.
    static bool write(const QString &handbookRoot, const QString &language, const QString &outFolder, QString &error);

private:
    static QString chapterPage(const QString &path, const QString &markdown, const QString &navigation);
};
