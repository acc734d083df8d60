#include "ui/editor/BlockItem.h"

#include "model/BlockCaption.h"
#include "model/BlockShape.h"
#include "model/cBlock.h"
#include "ui/editor/BlockPainter.h"
#include "ui/editor/SurfaceFonts.h"

#include <QPainter>
#include <QPolygonF>

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
    look.captionUp = block.sCaptionUp();
    look.caption = block.sCaption();
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
    update();
}

QRectF BlockItem::boundingRect() const
{
    return QRectF(0, 0, m_look.width, m_look.height);
}

void BlockItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setClipRect(boundingRect(), Qt::IntersectClip);
    paintShape(*painter);
    if (BlockShape::outline(m_look.shape, m_look.width, m_look.height).kind != BlockShape::Kind::Nothing)
        paintCaptions(*painter);
    painter->restore();
}

void BlockItem::paintShape(QPainter &painter) const
{
    const BlockShape::Outline outline = BlockShape::outline(m_look.shape, m_look.width, m_look.height);
    // Outlines run through the middle of the element's pixels, so one-unit strokes stay sharp
    // at every zoom.
    painter.translate(0.5, 0.5);
    painter.setRenderHint(QPainter::Antialiasing, outline.kind != BlockShape::Kind::Rectangle);
    painter.setPen(QPen(m_look.border, 1));
    painter.setBrush(m_look.fill);
    switch (outline.kind) {
    case BlockShape::Kind::Rectangle:
        painter.drawRect(outline.bounds);
        break;
    case BlockShape::Kind::Ellipse:
        painter.drawEllipse(outline.bounds);
        break;
    case BlockShape::Kind::Polygon:
        painter.drawPolygon(QPolygonF(QPolygon(outline.points)));
        break;
    case BlockShape::Kind::Nothing:
    case BlockShape::Kind::Invalid:
        break;
    }
    painter.translate(-0.5, -0.5);
}

void BlockItem::paintCaptions(QPainter &painter) const
{
    const SurfaceFonts &measure = SurfaceFonts::measure();
    const auto font = TextMeasure::Font::BlockCaption;
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(SurfaceFonts::font(font));
    painter.setPen(m_look.text);
    const auto lines = BlockCaption::layout({m_look.captionUp, m_look.caption}, m_look.width, m_look.height,
                                            measure);
    for (const BlockCaption::Line &line : lines) {
        const QSizeF size(measure.width(font, line.text), measure.height(font, line.text));
        painter.drawText(QRectF(line.topLeft, size), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line.text);
    }
}
