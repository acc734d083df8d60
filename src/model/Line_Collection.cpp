#include "model/Line_Collection.h"

#include "model/VarnelError.h"

Line_Collection::Line_Collection(ModelContext *context, QObject *parent)
    : QObject(parent), m_context(context)
{
}

Line_Collection::~Line_Collection() = default;

cLine *Line_Collection::AddLine(const QString &sFrom, const QString &sTo, const QString &sCaption)
{
    if (sFrom.isEmpty() || sTo.isEmpty()) {
        Q_EMIT linkError(QStringLiteral("Bağlantı yapılamıyor!!!!"));
        return nullptr;
    }
    auto line = std::make_unique<cLine>(m_context);
    line->setSFrom(sFrom);
    line->setSTo(sTo);
    cLine *raw = line.get();
    m_lines.push_back(std::move(line));
    if (m_context->trackCurrentBlock) {
        const qint16 index = m_context->newLineElement();
        raw->setTheObjectLine(index);
        raw->setSCaption(sCaption);
        updateLine(*raw);
        m_context->line(index).visible = true;
    } else {
        raw->setSCaption(sCaption);
    }
    Q_EMIT lineAdded(raw);
    return raw;
}

cLine *Line_Collection::item(int position) const
{
    if (position < 1 || position > Count())
        throw VarnelError(VarnelError::SubscriptOutOfRange, QStringLiteral("Line_Collection"),
                          QStringLiteral("Alt simge aralık dışında"));
    return m_lines[std::size_t(position - 1)].get();
}

void Line_Collection::removeAt(std::size_t position)
{
    const qint16 element = m_lines[position]->theObjectLine();
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(position));
    m_context->bumpLinks();
    Q_EMIT lineRemoved(element);
}

void Line_Collection::Remove(int position)
{
    item(position);
    removeAt(std::size_t(position - 1));
}

void Line_Collection::clear()
{
    m_lines.clear();
    m_context->bumpLinks();
    Q_EMIT cleared();
}

void Line_Collection::deleteLine(qint16 xFrom, qint16 xTo)
{
    if (xFrom == -1 || xTo == -1) {
        Q_EMIT linkError(QStringLiteral("Hangi okun silineceğine karar verilemiyor."));
        return;
    }
    const QString first = m_context->shape(xFrom).tag;
    const QString second = m_context->shape(xTo).tag;
    for (std::size_t p = m_lines.size(); p-- > 0;) {
        cLine &line = *m_lines[p];
        const bool joins = (line.sFrom() == first && line.sTo() == second)
            || (line.sFrom() == second && line.sTo() == first);
        if (!joins)
            continue;
        if (line.hasElement()) {
            LineElement &e = m_context->line(line.theObjectLine());
            e.visible = false;
            e.labelVisible = false;
        }
        line.setSFrom(QString());
        line.setSTo(QString());
        removeAt(p);
    }
}

void Line_Collection::AddCaptionToLine(const QString &sFrom, const QString &sTo, const QString &sCaption)
{
    for (const auto &line : m_lines) {
        const bool joins = (line->sFrom() == sFrom && line->sTo() == sTo)
            || (line->sFrom() == sTo && line->sTo() == sFrom);
        if (!joins)
            continue;
        line->setSCaption(sCaption);
        if (line->hasElement()) {
            LineElement &e = m_context->line(line->theObjectLine());
            e.labelLeft = e.x1 + (e.x2 - e.x1) / 2 - e.labelWidth / 2;
            e.labelTop = e.y1 + (e.y2 - e.y1) / 2 - e.labelHeight / 2;
        }
        Q_EMIT lineChanged(line.get());
    }
}

void Line_Collection::updateLine(cLine &line)
{
    if (m_context->trackCurrentBlock && m_router)
        m_router(line);
}

void Line_Collection::updateAllLines()
{
    for (const auto &line : m_lines)
        updateLine(*line);
}

void Line_Collection::updateConntectedLines(const QString &sTag)
{
    for (const auto &line : m_lines) {
        if (line->sFrom() == sTag || line->sTo() == sTag)
            updateLine(*line);
    }
}

const QVector<cLine *> &Line_Collection::outgoing(const QString &tag) const
{
    if (m_outgoingGeneration != m_context->linkGeneration()) {
        m_outgoing.clear();
        for (const auto &line : m_lines)
            m_outgoing[line->sFrom()].append(line.get());
        m_outgoingGeneration = m_context->linkGeneration();
    }
    static const QVector<cLine *> none;
    auto it = m_outgoing.constFind(tag);
    return it == m_outgoing.constEnd() ? none : it.value();
}
