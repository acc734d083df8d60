#include "model/cBlock.h"

#include "model/Rounding.h"
#include "model/VarnelError.h"

#include <utility>

cBlock::cBlock(ModelContext *context)
    : m_context(context)
{
}

void cBlock::announce(BlockChanges what)
{
    if (m_owner)
        m_owner->announceChanged(this, what);
}

void cBlock::setZAction(const QString &code)
{
    const bool changed = code != m_zAction;
    m_zAction = code;
    m_actionCode = actionCodeOf(code);
    ++m_revision;
    if (changed)
        announce(BlockChange::Action);
}

void cBlock::setZParam(int slot, const QString &text)
{
    const bool changed = text != m_zParam[slot];
    m_zParam[slot] = text;
    ++m_revision;
    if (changed)
        announce(BlockChange::Params);
}

void cBlock::setTagID(const QString &tag)
{
    const bool changed = tag != m_tagID;
    m_tagID = tag;
    ++m_revision;
    m_context->bumpTags();
    if (m_context->trackCurrentBlock && hasElement())
        m_context->shape(m_element).tag = tag;
    if (changed)
        announce(BlockChange::Tag);
}

void cBlock::setTextColor(qint32 colour)
{
    if (colour != std::exchange(m_textColor, colour))
        announce(BlockChange::Colours);
}

void cBlock::setBGColor(qint32 colour)
{
    if (colour != std::exchange(m_bgColor, colour))
        announce(BlockChange::Colours);
}

void cBlock::setBorderColor(qint32 colour)
{
    if (colour != std::exchange(m_borderColor, colour))
        announce(BlockChange::Colours);
}

void cBlock::setShape(qint16 code)
{
    if (code != std::exchange(m_shape, code))
        announce(BlockChange::Shape);
}

void cBlock::setSCaptionUp(const QString &text)
{
    if (text != std::exchange(m_captionUp, text))
        announce(BlockChange::Caption);
}

void cBlock::setSCaption(const QString &text)
{
    if (text != std::exchange(m_caption, text))
        announce(BlockChange::Caption);
}

// The one place a block's captions and the width they need are written.
void cBlock::setCaptionToAction()
{
    const BlockCaption::Texts texts = BlockCaption::textsFor(captionSource());
    if (texts.up != m_captionUp || texts.main != m_caption) {
        m_captionUp = texts.up;
        m_caption = texts.main;
        announce(BlockChange::Caption);
    }
    if (m_caption.isEmpty() || !hasElement())
        return;
    const qint16 width = shapeWidth();
    const qint16 needed = BlockCaption::widthFor(width, m_shape, m_caption, m_context->textMeasure());
    if (needed != width)
        setShapeWidth(needed);
}

BlockCaption::Source cBlock::captionSource() const
{
    return {m_actionCode, m_zParam[0], m_zParam[1], m_zParam[2], {m_captionUp, m_caption}};
}

ShapeElement &cBlock::element() const
{
    if (!hasElement())
        throw VarnelError(VarnelError::NoObject, QStringLiteral("cBlock"),
                          MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne değişkeni ayarlanmamış")));
    return m_context->shape(m_element);
}

float cBlock::shapeLeft() const { return element().left; }
void cBlock::setShapeLeft(float left) { setShapePosition(left, element().top); }
float cBlock::shapeTop() const { return element().top; }
void cBlock::setShapeTop(float top) { setShapePosition(element().left, top); }

void cBlock::setShapePosition(float left, float top)
{
    ShapeElement &e = element();
    const bool changed = left != e.left || top != e.top;
    e.left = left;
    e.top = top;
    if (changed)
        announce(BlockChange::Position);
}

void cBlock::setShapeSize(double width, double height)
{
    const double w = Rounding::toInt16(width, QStringLiteral("shapeWidth"));
    const double h = Rounding::toInt16(height, QStringLiteral("shapeHeight"));
    ShapeElement &e = element();
    const bool changed = w != e.width || h != e.height;
    e.width = w;
    e.height = h;
    if (changed)
        announce(BlockChange::Size);
}

qint16 cBlock::shapeWidth() const
{
    return Rounding::toInt16(element().width, QStringLiteral("shapeWidth"));
}

void cBlock::setShapeWidth(double width)
{
    const double w = Rounding::toInt16(width, QStringLiteral("shapeWidth"));
    if (w != std::exchange(element().width, w))
        announce(BlockChange::Size);
}

qint16 cBlock::shapeHeight() const
{
    return Rounding::toInt16(element().height, QStringLiteral("shapeHeight"));
}

void cBlock::setShapeHeight(double height)
{
    const double h = Rounding::toInt16(height, QStringLiteral("shapeHeight"));
    if (h != std::exchange(element().height, h))
        announce(BlockChange::Size);
}

bool cBlock::Visible() const { return element().visible; }
void cBlock::setVisible(bool visible)
{
    if (visible != std::exchange(element().visible, visible))
        announce(BlockChange::Visibility);
}
