#include "model/Line_Collection.h"

#include "model/Block_Collection.h"
#include "model/LineRouter.h"
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
        routeLine(*raw);
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
            e.head.visible = false;
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
        if (line->hasElement())
            LineRouter::centreLabel(m_context->line(line->theObjectLine()));
        Q_EMIT lineChanged(line.get());
    }
}

// The one place a line's route is written.
bool Line_Collection::routeLine(cLine &line)
{
    if (!m_context->trackCurrentBlock || !line.hasElement() || !m_blocks)
        return false;
    const qint16 from = m_blocks->getIndexFromTag(line.sFrom());
    const qint16 to = m_blocks->getIndexFromTag(line.sTo());
    // A line whose block is missing (a damaged file; checkLinks reports it) stays where it is.
    if (from == -1 || to == -1)
        return false;
    return LineRouter::route(m_context->line(line.theObjectLine()),
                             LineRouter::boxOf(m_context->shape(from)),
                             LineRouter::boxOf(m_context->shape(to)));
}

void Line_Collection::updateLine(cLine &line)
{
    if (routeLine(line))
        Q_EMIT lineChanged(&line);
}

void Line_Collection::updateAllLines()
{
    for (const auto &line : m_lines)
        updateLine(*line);
}

// Only the lines of the block: a dragged block re-routes its own lines on every move.
void Line_Collection::updateConntectedLines(const QString &sTag)
{
    refreshIndexes();
    const auto it = m_connected.constFind(sTag);
    if (it == m_connected.constEnd())
        return;
    // A copy (shared, not copied) in case a listener changes the lines meanwhile.
    const QVector<cLine *> connected = it.value();
    for (cLine *line : connected)
        updateLine(*line);
}

void Line_Collection::refreshIndexes() const
{
    if (m_indexGeneration == m_context->linkGeneration())
        return;
    m_outgoing.clear();
    m_connected.clear();
    for (const auto &line : m_lines) {
        m_outgoing[line->sFrom()].append(line.get());
        m_connected[line->sFrom()].append(line.get());
        if (line->sTo() != line->sFrom())
            m_connected[line->sTo()].append(line.get());
    }
    m_indexGeneration = m_context->linkGeneration();
}

const QVector<cLine *> &Line_Collection::outgoing(const QString &tag) const
{
    refreshIndexes();
    static const QVector<cLine *> none;
    auto it = m_outgoing.constFind(tag);
    return it == m_outgoing.constEnd() ? none : it.value();
}
