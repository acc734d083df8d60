#pragma once

#include <QString>

class QTextDocument;

// What a handbook chapter needs after Qt has read its Markdown: every heading carries its
// anchor (Qt's reader gives headings none, so links to "chapter.md#anchor" would go nowhere),
// and the chart pictures, drawn at twice their size for sharp print, are shown at their size.
namespace HandbookDocument {
// Pictures are drawn at this many pixels per pixel of the chart.
inline constexpr int PictureScale = 2;

void prepare(QTextDocument &document);
// The position of the heading with that anchor, or -1.
int positionOf(const QTextDocument &document, const QString &anchor);
// Links between chapters rewritten for the web pages: "x.md#a" becomes "x.html#a".
void linkToWebPages(QTextDocument &document);
}
