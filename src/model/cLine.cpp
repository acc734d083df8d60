#include "model/cLine.h"

cLine::cLine(ModelContext *context)
    : m_context(context)
{
}

void cLine::setSFrom(const QString &tag)
{
    m_from = tag;
    m_context->bumpLinks();
}

void cLine::setSTo(const QString &tag)
{
    m_to = tag;
    m_context->bumpLinks();
}

void cLine::setSCaption(const QString &caption)
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
