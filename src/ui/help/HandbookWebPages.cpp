#include "ui/help/HandbookWebPages.h"

#include "ui/help/Handbook.h"
#include "ui/help/HandbookDocument.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

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

QString htmlPage(const QString &title, const QString &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body>\n%2</body></html>\n")
        .arg(title.toHtmlEscaped(), body);
}

QString indexBody(const Handbook &handbook)
{
    QString body = QStringLiteral("<h1>Varnel Kullanım Kılavuzu</h1>\n<ol>\n");
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
    const QString navigation = QStringLiteral("\n<p><a href=\"index.html\">İçindekiler</a></p>\n");
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
    return writeFile(pages + QStringLiteral("/index.html"), htmlPage(QStringLiteral("Varnel Kullanım Kılavuzu"),
                                                                      indexBody(handbook)), error)
        && copyPictures(handbookRoot + QStringLiteral("/charts"), outFolder + QStringLiteral("/charts"), error);
}
