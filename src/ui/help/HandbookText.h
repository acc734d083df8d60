#pragma once

#include <QString>

// Text rules the handbook shares between its window, its search and its web pages.
namespace HandbookText {
// Lower case without the Turkish marks (ç→c, ğ→g, ı→i, İ→i, ö→o, ş→s, ü→u), so that a student
// who types "yigin" finds "Yığın".
QString fold(const QString &text);
// The anchor of a heading: folded, runs of anything but letters and digits as one "-".
QString anchorOf(const QString &heading);
// The words of a Markdown line without the marks of emphasis, code and links.
QString plain(const QString &markdownLine);
}
