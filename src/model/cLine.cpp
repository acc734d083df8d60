#include "model/cLine.h"

#include "model/LineRouter.h"

cLine::cLine(ModelContext *context)
    : m_context(context)
{
}

void cLine::announce(LineChanges what)
{
    if (m_owner)
        m_owner->announceChanged(this, what);
}

void cLine::setSFrom(const QString &tag)
{
    const bool changed = tag != m_from;
    m_from = tag;
    m_context->bumpLinks();
    if (changed)
        announce(LineChange::Ends);
}

void cLine::setSTo(const QString &tag)
{
    const bool changed = tag != m_to;
    m_to = tag;
    m_context->bumpLinks();
    if (changed)
        announce(LineChange::Ends);
}

void cLine::setSCaption(const QString &caption)
{
    storeCaption(caption);
    announce(LineChange::Caption);
}

void cLine::setCaptionCentred(const QString &caption)
{
    storeCaption(caption);
    if (hasElement())
        LineRouter::centreLabel(m_context->line(m_element));
    announce(LineChange::Caption);
}

void cLine::storeCaption(const QString &caption)
{
    m_caption = caption;
    m_context->bumpLinks();
    if (m_context->trackCurrentBlock && hasElement()) {
        LineElement &e = m_context->line(m_element);
        e.labelText = caption;
        e.labelVisible = !caption.isEmpty();
        // The label is as large as its text; the next routing centres it.
        const TextMeasure &measure = m_context->textMeasure();
        e.labelWidth = float(measure.width(TextMeasure::Font::LineLabel, caption));
        e.labelHeight = float(measure.height(TextMeasure::Font::LineLabel, caption));
    }
}
