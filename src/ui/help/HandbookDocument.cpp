#include "ui/help/HandbookDocument.h"

#include "ui/help/HandbookText.h"

#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVariant>
#include <optional>

namespace {

QSize imageSize(QTextDocument &document, const QString &name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QImage>())
        return resource.value<QImage>().size();
    if (resource.canConvert<QPixmap>())
        return resource.value<QPixmap>().size();
    return QSize();
}

void anchorHeading(const QTextBlock &block)
{
    const QString anchor = HandbookText::anchorOf(block.text());
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorNames({anchor});
    cursor.mergeCharFormat(format);
}

// A format for a stretch of the document, applied after the walk over the fragments is done.
struct Change {
    int position;
    int length;
    QTextCharFormat format;
};

void apply(QTextDocument &document, const QList<Change> &changes)
{
    for (const Change &change : changes) {
        QTextCursor cursor(&document);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

// Calls f for every fragment; f gives the fragment's new format, or nothing to keep it.
template <typename F>
void rewriteFragments(QTextDocument &document, F f)
{
    QList<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (const std::optional<QTextCharFormat> format = f(fragment.charFormat()))
                changes.append({fragment.position(), fragment.length(), *format});
        }
    }
    apply(document, changes);
}

std::optional<QTextCharFormat> scaledPicture(QTextDocument &document, const QTextCharFormat &format)
{
    if (!format.isImageFormat())
        return std::nullopt;
    QTextImageFormat image = format.toImageFormat();
    const QSize size = imageSize(document, image.name());
    if (size.isEmpty())
        return std::nullopt;
    image.setWidth(size.width() / HandbookDocument::PictureScale);
    image.setHeight(size.height() / HandbookDocument::PictureScale);
    return image;
}

std::optional<QTextCharFormat> webLink(const QTextCharFormat &format)
{
    QString href = format.anchorHref();
    const qsizetype md = href.indexOf(QStringLiteral(".md"));
    if (!format.isAnchor() || md == -1 || href.contains(QStringLiteral("://")))
        return std::nullopt;
    QTextCharFormat linked = format;
    linked.setAnchorHref(href.replace(md, 3, QStringLiteral(".html")));
    return linked;
}

} // namespace

void HandbookDocument::prepare(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            anchorHeading(block);
    }
    rewriteFragments(document, [&document](const QTextCharFormat &f) { return scaledPicture(document, f); });
}

int HandbookDocument::positionOf(const QTextDocument &document, const QString &anchor)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && HandbookText::anchorOf(block.text()) == anchor)
            return block.position();
    }
    return -1;
}

void HandbookDocument::linkToWebPages(QTextDocument &document)
{
    rewriteFragments(document, webLink);
}
