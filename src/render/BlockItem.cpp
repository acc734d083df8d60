#include "render/BlockItem.h"

#include "base/ChartWords.h"
#include "model/cBlock.h"
#include "render/BlockPainter.h"
#include "render/SurfaceFonts.h"

#include <QPainter>

BlockItem::BlockItem(qint16 element)
    : m_element(element)
{
    setZValue(1); // blocks cover the lines that run into them
}

BlockItem::Look BlockItem::lookOf(const cBlock &block, const ModelContext &context)
{
    const ShapeElement &shape = context.shape(block.theObjectShape());
    Look look;
    look.shape = block.Shape();
    look.fill = BlockPainter::colorOf(block.BGColor());
    look.border = BlockPainter::colorOf(block.BorderColor());
    look.text = BlockPainter::colorOf(block.TextColor());
    // The derived words are stored in Turkish and read in the interface's language.
    look.captionUp = ChartWords::shown(block.sCaptionUp());
    look.caption = ChartWords::shown(block.sCaption());
    look.width = shape.width;
    look.height = shape.height;
    return look;
}

void BlockItem::setLook(const Look &look)
{
    if (look == m_look)
        return;
    if (look.width != m_look.width || look.height != m_look.height)
        prepareGeometryChange();
    m_look = look;
    m_outline = BlockShape::outline(look.shape, look.width, look.height);
    m_lines.clear();
    m_lineRects.clear();
    if (m_outline.kind != BlockShape::Kind::Nothing)
        m_lines = BlockCaption::layout({look.captionUp, look.caption}, look.width, look.height, SurfaceFonts::measure());
    const auto font = TextMeasure::Font::BlockCaption;
    for (const BlockCaption::Line &line : m_lines) {
        const SurfaceFonts &measure = SurfaceFonts::measure();
        m_lineRects.append(QRectF(line.topLeft, QSizeF(measure.width(font, line.text), measure.height(font, line.text))));
    }
    m_captionsOverflow = false;
    for (const QRectF &rect : m_lineRects)
        m_captionsOverflow = m_captionsOverflow || !boundingRect().contains(rect);
    update();
}

void BlockItem::setDebugMark(const DebugMark &mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    update();
}

QRectF BlockItem::boundingRect() const
{
    return QRectF(0, 0, m_look.width, m_look.height);
}

void BlockItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    paintShape(*painter);
    if (!m_lines.isEmpty())
        paintCaptions(*painter);
    painter->restore();
    if (m_mark.breakpoint || m_mark.count >= 0) {
        painter->save();
        paintDebugMark(*painter);
        painter->restore();
    }
}

void BlockItem::paintShape(QPainter &painter) const
{
    // Outlines run through the middle of the element's pixels, so one-unit strokes stay sharp
    // at every zoom.
    painter.translate(0.5, 0.5);
    painter.setRenderHint(QPainter::Antialiasing, m_outline.kind != BlockShape::Kind::Rectangle);
    painter.setPen(QPen(m_look.border, 1));
    painter.setBrush(m_look.fill);
    switch (m_outline.kind) {
    case BlockShape::Kind::Rectangle:
        painter.drawRect(m_outline.bounds);
        break;
    case BlockShape::Kind::Ellipse:
        painter.drawEllipse(m_outline.bounds);
        break;
    case BlockShape::Kind::Polygon:
        painter.drawPolygon(m_outline.points.constData(), int(m_outline.points.size()));
        break;
    case BlockShape::Kind::Nothing:
    case BlockShape::Kind::Invalid:
        break;
    }
    painter.translate(-0.5, -0.5);
}

void BlockItem::paintCaptions(QPainter &painter) const
{
    // The block's element clips what it draws; only a caption wider than the block needs it.
    if (m_captionsOverflow)
        painter.setClipRect(boundingRect(), Qt::IntersectClip);
    painter.setFont(SurfaceFonts::blockCaption());
    painter.setPen(m_look.text);
    const double ascent = SurfaceFonts::metrics(TextMeasure::Font::BlockCaption).ascent();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &text = m_lines[i].text;
        if (text.contains(QLatin1Char('\n')))
            painter.drawText(m_lineRects[i], Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
        else
            painter.drawText(QPointF(m_lineRects[i].left(), m_lineRects[i].top() + ascent), text);
    }
}

void BlockItem::paintDebugMark(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_mark.count == 0)
        painter.fillRect(boundingRect(), QColor(255, 255, 255, 150));
    if (m_mark.count >= 0) {
        QFont font = SurfaceFonts::lineLabel();
        font.setBold(true);
        painter.setFont(font);
        const QString text = QString::number(m_mark.count);
        const qreal width = painter.fontMetrics().horizontalAdvance(text) + 6;
        // Inside the block's top-right corner: the item draws nothing outside its element.
        const QRectF badge(m_look.width - width - 1, 1, width, painter.fontMetrics().height());
        painter.setPen(QColor(0x80, 0x60, 0x00));
        painter.setBrush(QColor(0xFF, 0xF2, 0xB0));
        painter.drawRoundedRect(badge, 3, 3);
        painter.drawText(badge, Qt::AlignCenter, text);
    }
    if (m_mark.breakpoint) {
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(QColor(0xD0, 0x10, 0x10));
        painter.drawEllipse(breakpointCorner().adjusted(1, 1, -1, -1));
    }
}
