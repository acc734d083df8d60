#include "render/SurfaceFonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace {

QFont surfaceFont(const QString &family, QFont::StyleHint hint, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    // Unhinted glyphs advance alike at every scale, so a caption measured once fits its block
    // at any zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont SurfaceFonts::blockCaption()
{
    static const QFont font = surfaceFont(QStringLiteral("DejaVu Sans Mono"), QFont::Monospace, 12, QFont::Normal);
    return font;
}

QFont SurfaceFonts::lineLabel()
{
    static const QFont font = surfaceFont(QStringLiteral("DejaVu Sans"), QFont::SansSerif, 13, QFont::Bold);
    return font;
}

QFont SurfaceFonts::font(Font which)
{
    return which == Font::BlockCaption ? blockCaption() : lineLabel();
}

const SurfaceFonts &SurfaceFonts::measure()
{
    static const SurfaceFonts instance;
    return instance;
}

const QFontMetricsF &SurfaceFonts::metrics(Font which)
{
    // Making metrics looks the font up each time; captions are measured on every redraw.
    static const QFontMetricsF caption(blockCaption());
    static const QFontMetricsF label(lineLabel());
    return which == Font::BlockCaption ? caption : label;
}

double SurfaceFonts::width(Font which, const QString &text) const
{
    const QFontMetricsF &metrics = SurfaceFonts::metrics(which);
    double widest = 0;
    if (!text.contains(QLatin1Char('\n')))
        return metrics.horizontalAdvance(text);
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

double SurfaceFonts::height(Font which, const QString &text) const
{
    const QFontMetricsF &metrics = SurfaceFonts::metrics(which);
    const qsizetype lines = text.count(QLatin1Char('\n')) + 1;
    return metrics.height() + double(lines - 1) * metrics.lineSpacing();
}
