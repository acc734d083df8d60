#include "render/ChartExport.h"

#include "base/CheckedFileWriter.h"
#include "render/ChartRenderer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

struct FormatEntry {
    ChartExport::Format format;
    const char *suffix;
    const char *filter;
};

constexpr FormatEntry formats[] = {
    {ChartExport::Format::Png, "png", QT_TRANSLATE_NOOP("ChartExport", "PNG Resmi (*.png)")},
    {ChartExport::Format::Svg, "svg", QT_TRANSLATE_NOOP("ChartExport", "SVG Çizimi (*.svg)")},
    {ChartExport::Format::Pdf, "pdf", QT_TRANSLATE_NOOP("ChartExport", "PDF Belgesi (*.pdf)")},
};

} // namespace

std::optional<ChartExport::Format> ChartExport::formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatEntry &entry : formats) {
        if (suffix == QLatin1String(entry.suffix))
            return entry.format;
    }
    return std::nullopt;
}

QString ChartExport::filters()
{
    QStringList list;
    for (const FormatEntry &entry : formats)
        list << QCoreApplication::translate("ChartExport", entry.filter);
    return list.join(QStringLiteral(";;"));
}

ChartExport::Format ChartExport::formatOfFilter(const QString &filter)
{
    for (const FormatEntry &entry : formats) {
        if (filter == QCoreApplication::translate("ChartExport", entry.filter))
            return entry.format;
    }
    return Format::Png;
}

QString ChartExport::suffixOf(Format format)
{
    for (const FormatEntry &entry : formats) {
        if (entry.format == format)
            return QString::fromLatin1(entry.suffix);
    }
    return QStringLiteral("png");
}

QString ChartExport::emptyChartText()
{
    return QCoreApplication::translate("ChartExport", "Akış şeması boş; resmi çıkarılacak bir şey yok.");
}

bool ChartExport::save(ChartRenderer &renderer, const QString &path)
{
    m_errorText.clear();
    const std::optional<Format> format = formatOf(path);
    if (!format) {
        return fail(QCoreApplication::translate("ChartExport", "Resmin biçimi dosya adından anlaşılamadı: ") + path
                    + QCoreApplication::translate("ChartExport", " (.png, .svg ya da .pdf ile bitmeli)."));
    }
    if (renderer.isEmpty())
        return fail(emptyChartText());
    const QString title = QFileInfo(path).completeBaseName();
    QByteArray bytes;
    switch (*format) {
    case Format::Png:
        bytes = renderer.png();
        break;
    case Format::Svg:
        bytes = renderer.svg(title);
        break;
    case Format::Pdf:
        bytes = renderer.pdf(title);
        break;
    }
    if (bytes.isEmpty())
        return fail(QCoreApplication::translate("ChartExport", "Resim oluşturulamadı: bellek yetersiz."));
    CheckedFileWriter writer(path);
    if (!writer.write(bytes))
        return fail(path + QCoreApplication::translate("ChartExport", " yazılamadı: ") + writer.errorText());
    return true;
}

bool ChartExport::fail(const QString &text)
{
    m_errorText = text;
    return false;
}
