#include "render/ChartRenderer.h"

#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/PngEncoder.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

constexpr double surfaceDpi = 96;

void setRenderHints(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace

ChartRenderer::ChartRenderer(Project &project, MessageLog *log)
    : m_scene(project.context(), project.theBlockCollection(), project.theLineCollection(), log)
{
    const QRectF bounds = m_scene.chartBounds();
    if (!bounds.isEmpty())
        m_source = bounds.adjusted(-margin, -margin, margin, margin);
}

void ChartRenderer::markBreakpoints(const Project &project, const QStringList &tags)
{
    for (const auto &block : project.theBlockCollection()) {
        if (!tags.contains(block->TagID(), Qt::CaseInsensitive))
            continue;
        if (BlockItem *item = m_scene.blockItem(block->theObjectShape()))
            item->setDebugMark({.breakpoint = true});
    }
}

void ChartRenderer::render(QPainter &painter, const QRectF &target)
{
    painter.save();
    setRenderHints(painter);
    painter.fillRect(target, Qt::white);
    m_scene.render(&painter, target, m_source, Qt::KeepAspectRatio);
    painter.restore();
}

bool ChartRenderer::renderPage(QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter starts at the top-left corner of the printable area.
    const QRectF area(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const double natural = device.logicalDpiX() / surfaceDpi;
    const double scale = std::min({natural, area.width() / m_source.width(), area.height() / m_source.height()});
    const QSizeF size = m_source.size() * scale;
    render(painter, QRectF(QPointF((area.width() - size.width()) / 2, 0), size));
    return painter.end();
}

double ChartRenderer::pngScale() const
{
    const double side = std::max(m_source.width(), m_source.height());
    const double area = m_source.width() * m_source.height();
    return std::min({pictureScale, largestPictureSide / side, std::sqrt(double(largestPictureArea) / area)});
}

QByteArray ChartRenderer::png(int bandRows)
{
    const double scale = pngScale();
    const QSize size = (m_source.size() * scale).toSize().expandedTo(QSize(1, 1));
    // Printed at the size the chart has on screen.
    const int dotsPerMeter = int(std::lround(surfaceDpi * scale / 0.0254));
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    const int rows = bandRows > 0 ? bandRows
                                  : int(std::min<qsizetype>(std::max<qsizetype>(16, bandBytes / rowBytes), size.height()));
    return PngEncoder::encodeInBands(size, dotsPerMeter, [this, size](QImage &band, int firstRow) {
        QPainter painter(&band);
        if (!painter.isActive())
            return false;
        painter.translate(0, -firstRow);
        renderRows(painter, size, firstRow, band.height());
        return true;
    }, rows);
}

// The rows of a picture of the given size that render() would fill, drawn alone: only the
// blocks and lines of the slice of the chart they show are painted.
void ChartRenderer::renderRows(QPainter &painter, const QSize &size, int firstRow, int rows)
{
    const double scale = std::min(size.width() / m_source.width(), size.height() / m_source.height());
    const double left = (size.width() - m_source.width() * scale) / 2;
    const double top = (size.height() - m_source.height() * scale) / 2;
    const QRectF target(left, firstRow, m_source.width() * scale, rows);
    const QRectF source(m_source.left(), m_source.top() + (firstRow - top) / scale, m_source.width(), rows / scale);
    painter.save();
    setRenderHints(painter);
    painter.fillRect(QRectF(0, firstRow, size.width(), rows), Qt::white);
    m_scene.render(&painter, target, source, Qt::IgnoreAspectRatio);
    painter.restore();
}

QByteArray ChartRenderer::svg(const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = m_source.size().toSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(int(surfaceDpi));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    render(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return bytes;
}

QByteArray ChartRenderer::pdf(const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(Project::baseTitle());
    writer.setResolution(1200);
    const bool wide = m_source.width() > m_source.height();
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    if (!renderPage(writer))
        return {};
    return bytes;
}
