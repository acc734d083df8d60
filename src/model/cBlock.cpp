#include "model/cBlock.h"

#include "model/BlockCaption.h"
#include "model/Rounding.h"
#include "model/VarnelError.h"

cBlock::cBlock(ModelContext *context)
    : m_context(context)
{
}

void cBlock::setZAction(const QString &code)
{
    m_zAction = code;
    m_actionCode = actionCodeOf(code);
    ++m_revision;
}

void cBlock::setZParam(int slot, const QString &text)
{
    m_zParam[slot] = text;
    ++m_revision;
}

void cBlock::setTagID(const QString &tag)
{
    m_tagID = tag;
    ++m_revision;
    m_context->bumpTags();
    if (m_context->trackCurrentBlock && hasElement())
        m_context->shape(m_element).tag = tag;
}

// The one place a block's captions and the width they need are written.
void cBlock::setCaptionToAction()
{
    const BlockCaption::Texts texts = BlockCaption::textsFor(*this);
    m_captionUp = texts.up;
    m_caption = texts.main;
    if (m_caption.isEmpty() || !hasElement())
        return;
    const qint16 width = shapeWidth();
    const qint16 needed = BlockCaption::widthFor(width, m_shape, m_caption, m_context->textMeasure());
    if (needed != width)
        setShapeWidth(needed);
}

ShapeElement &cBlock::element() const
{
    if (!hasElement())
        throw VarnelError(VarnelError::NoObject, QStringLiteral("cBlock"),
                          QStringLiteral("Nesne değişkeni ayarlanmamış"));
    return m_context->shape(m_element);
}

float cBlock::shapeLeft() const { return element().left; }
void cBlock::setShapeLeft(float left) { element().left = left; }
float cBlock::shapeTop() const { return element().top; }
void cBlock::setShapeTop(float top) { element().top = top; }

qint16 cBlock::shapeWidth() const
{
    return Rounding::toInt16(element().width, QStringLiteral("shapeWidth"));
}

void cBlock::setShapeWidth(double width)
{
    element().width = Rounding::toInt16(width, QStringLiteral("shapeWidth"));
}

qint16 cBlock::shapeHeight() const
{
    return Rounding::toInt16(element().height, QStringLiteral("shapeHeight"));
}

void cBlock::setShapeHeight(double height)
{
    element().height = Rounding::toInt16(height, QStringLiteral("shapeHeight"));
}

bool cBlock::Visible() const { return element().visible; }
void cBlock::setVisible(bool visible) { element().visible = visible; }
