#pragma once

#include <QString>
#include <optional>

class ChartRenderer;

// Saves the picture of a chart in the format its file name's suffix names (.png, .svg or
// .pdf, in any letter case). The file is replaced completely or not at all: a failure never
// leaves half a picture, nor harms a file that was there.
class ChartExport {
public:
    enum class Format { Png, Svg, Pdf };

    static std::optional<Format> formatOf(const QString &path);
    // The file-dialog filters, in the order of Format, and the format of one of them.
    static QString filters();
    static Format formatOfFilter(const QString &filter);
    static QString suffixOf(Format format);
    static QString emptyChartText();

    // true when path now holds the picture; otherwise errorText() says why, in a sentence
    // that names the file.
    bool save(ChartRenderer &renderer, const QString &path);
    const QString &errorText() const { return m_errorText; }

private:
    bool fail(const QString &text);

    QString m_errorText;
};
