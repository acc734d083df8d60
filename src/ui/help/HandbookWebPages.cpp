#include "ui/help/HandbookWebPages.h"

#include "ui/help/Handbook.h"
#include "ui/help/HandbookDocument.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

// The words the pages add around the chapters, in the handbook's language.
struct PageWords {
    QString language;
    QString title;
    QString contents;
};

PageWords pageWords(const QString &language)
{
    if (language == QStringLiteral("en"))
        return {language, QStringLiteral("Varnel Handbook"), QStringLiteral("Contents")};
    return {QStringLiteral("tr"), QStringLiteral("Varnel Kullanım Kılavuzu"), QStringLiteral("İçindekiler")};
}

bool writeFile(const QString &path, const QString &text, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) == -1 || !file.commit()) {
        error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

bool copyPictures(const QString &from, const QString &to, QString &error)
{
    if (!QDir().mkpath(to)) {
        error = to + QStringLiteral(": klasör oluşturulamadı");
        return false;
    }
    const QDir source(from);
    for (const QString &name : source.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QString target = to + u'/' + name;
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target)) {
            error = target + QStringLiteral(": kopyalanamadı");
            return false;
        }
    }
    return true;
}

QString htmlPage(const PageWords &words, const QString &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title></head>\n"
                          "<body>\n%3</body></html>\n")
        .arg(words.language, words.title.toHtmlEscaped(), body);
}

QString indexBody(const Handbook &handbook, const PageWords &words)
{
    QString body = QStringLiteral("<h1>%1</h1>\n<ol>\n").arg(words.title.toHtmlEscaped());
    for (const HandbookChapter &chapter : handbook.chapters()) {
        QString page = chapter.fileName;
        page.replace(QStringLiteral(".md"), QStringLiteral(".html"));
        body += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n").arg(page, chapter.title.toHtmlEscaped());
    }
    return body + QStringLiteral("</ol>\n");
}

} // namespace

QString HandbookWebPages::chapterPage(const QString &path, const QString &markdown, const QString &navigation)
{
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(path));
    document.setMarkdown(markdown);
    HandbookDocument::prepare(document);
    HandbookDocument::linkToWebPages(document);
    QString html = document.toHtml();
    const qsizetype body = html.indexOf(QStringLiteral("<body"));
    const qsizetype bodyEnd = body == -1 ? -1 : html.indexOf(u'>', body);
    if (bodyEnd != -1)
        html.insert(bodyEnd + 1, navigation);
    return html;
}

bool HandbookWebPages::write(const QString &handbookRoot, const QString &language, const QString &outFolder,
                             QString &error)
{
    const Handbook handbook = Handbook::load(handbookRoot + u'/' + language);
    if (handbook.isEmpty()) {
        error = handbook.folder() + QStringLiteral(": kılavuz bölümü yok");
        return false;
    }
    const QString pages = outFolder + u'/' + language;
    if (!QDir().mkpath(pages)) {
        error = pages + QStringLiteral(": klasör oluşturulamadı");
        return false;
    }
    const PageWords words = pageWords(language);
    const QString navigation =
        QStringLiteral("\n<p><a href=\"index.html\">%1</a></p>\n").arg(words.contents.toHtmlEscaped());
    for (const HandbookChapter &chapter : handbook.chapters()) {
        QFile source(handbook.pathOf(chapter.fileName));
        if (!source.open(QIODevice::ReadOnly)) {
            error = source.fileName() + QStringLiteral(": ") + source.errorString();
            return false;
        }
        QString page = chapter.fileName;
        page.replace(QStringLiteral(".md"), QStringLiteral(".html"));
        const QString html = chapterPage(source.fileName(), QString::fromUtf8(source.readAll()), navigation);
        if (!writeFile(pages + u'/' + page, html, error))
            return false;
    }
    return writeFile(pages + QStringLiteral("/index.html"), htmlPage(words, indexBody(handbook, words)), error)
        && copyPictures(handbookRoot + QStringLiteral("/charts"), outFolder + QStringLiteral("/charts"), error);
}
