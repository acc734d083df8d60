#include "model/Line_Collection.h"

#include "model/LineRouter.h"
#include "model/VarnelError.h"

#include <algorithm>
#include <utility>

Line_Collection::Line_Collection(ModelContext *context, QObject *parent)
    : QObject(parent), m_context(context)
{
}

Line_Collection::~Line_Collection() = default;

cLine *Line_Collection::AddLine(const QString &sFrom, const QString &sTo, const QString &sCaption)
{
    if (sFrom.isEmpty() || sTo.isEmpty()) {
        Q_EMIT linkError(MessageText::of(QT_TRANSLATE_NOOP("Message", "Bağlantı yapılamıyor!!!!")));
        return nullptr;
    }
    // Made complete before it joins the collection, so that it is announced once, as added.
    auto line = std::make_unique<cLine>(m_context);
    line->setSFrom(sFrom);
    line->setSTo(sTo);
    if (m_context->trackCurrentBlock) {
        const qint16 index = m_context->newLineElement();
        line->setTheObjectLine(index);
        line->setSCaption(sCaption);
        routeLine(*line);
        m_context->line(index).visible = true;
    } else {
        line->setSCaption(sCaption);
    }
    cLine *raw = line.get();
    insert(Count() + 1, std::move(line));
    return raw;
}

void Line_Collection::insert(int position, std::unique_ptr<cLine> line)
{
    cLine *raw = line.get();
    raw->setOwner(this);
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(position - 1), std::move(line));
    m_context->bumpLinks();
    if (!m_context->replacing())
        Q_EMIT lineAdded(raw);
}

std::unique_ptr<cLine> Line_Collection::take(int position)
{
    item(position);
    return removeAt(std::size_t(position - 1));
}

QVector<int> Line_Collection::linesBetween(const QString &first, const QString &second) const
{
    QVector<int> positions;
    for (std::size_t p = 0; p < m_lines.size(); ++p) {
        const cLine &line = *m_lines[p];
        if ((line.sFrom() == first && line.sTo() == second)
            || (line.sFrom() == second && line.sTo() == first))
            positions.append(int(p) + 1);
    }
    return positions;
}

void Line_Collection::announceChanged(cLine *line, LineChanges what)
{
    if (!m_context->replacing())
        Q_EMIT lineChanged(line, what);
}

cLine *Line_Collection::item(int position) const
{
    if (position < 1 || position > Count())
        throw VarnelError(VarnelError::SubscriptOutOfRange, QStringLiteral("Line_Collection"),
                          MessageText::of(QT_TRANSLATE_NOOP("Message", "Alt simge aralık dışında")));
    return m_lines[std::size_t(position - 1)].get();
}

std::unique_ptr<cLine> Line_Collection::removeAt(std::size_t position)
{
    std::unique_ptr<cLine> taken = std::move(m_lines[position]);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(position));
    taken->setOwner(nullptr);
    m_context->bumpLinks();
    if (!m_context->replacing())
        Q_EMIT lineRemoved(taken->theObjectLine());
    return taken;
}

void Line_Collection::Remove(int position)
{
    take(position);
}

void Line_Collection::clear()
{
    m_lines.clear();
    m_context->bumpLinks();
    Q_EMIT cleared();
}

void Line_Collection::takeContents(Contents &into)
{
    into.lines = std::move(m_lines);
    into.outgoing = std::move(m_outgoing);
    into.connected = std::move(m_connected);
    into.indexGeneration = std::exchange(m_indexGeneration, 0);
    m_lines.clear();
    m_outgoing.clear();
    m_connected.clear();
    m_context->bumpLinks();
    Q_EMIT cleared();
}

void Line_Collection::putContents(Contents &from)
{
    m_lines = std::move(from.lines);
    m_outgoing = std::move(from.outgoing);
    m_connected = std::move(from.connected);
    m_indexGeneration = from.indexGeneration;
    from.lines.clear();
}

void Line_Collection::deleteLine(qint16 xFrom, qint16 xTo)
{
    if (xFrom == -1 || xTo == -1) {
        Q_EMIT linkError(MessageText::of(QT_TRANSLATE_NOOP("Message", "Hangi okun silineceğine karar verilemiyor.")));
        return;
    }
    const QVector<int> positions = linesBetween(m_context->shape(xFrom).tag, m_context->shape(xTo).tag);
    for (auto p = positions.crbegin(); p != positions.crend(); ++p) {
        std::unique_ptr<cLine> taken = take(*p);
        cLine &line = *taken;
        if (line.hasElement()) {
            LineElement &e = m_context->line(line.theObjectLine());
            e.visible = false;
            e.labelVisible = false;
            e.head.visible = false;
        }
        line.setSFrom(QString());
        line.setSTo(QString());
    }
}

void Line_Collection::AddCaptionToLine(const QString &sFrom, const QString &sTo, const QString &sCaption)
{
    for (const int p : linesBetween(sFrom, sTo))
        m_lines[std::size_t(p - 1)]->setCaptionCentred(sCaption);
}

// The one place a line's route is written.
bool Line_Collection::routeLine(cLine &line)
{
    if (!m_context->trackCurrentBlock || !line.hasElement() || !m_blocks)
        return false;
    const qint16 from = m_blocks->elementOfTag(line.sFrom());
    const qint16 to = m_blocks->elementOfTag(line.sTo());
    // A line whose block is missing (a damaged file; checkLinks reports it) stays where it is.
    if (from == -1 || to == -1)
        return false;
    return LineRouter::route(m_context->line(line.theObjectLine()),
                             LineRouter::boxOf(m_context->shape(from)),
                             LineRouter::boxOf(m_context->shape(to)),
                             {m_context, from, to, line.theObjectLine()});
}

void Line_Collection::updateLine(cLine &line)
{
    if (routeLine(line))
        announceChanged(&line, LineChange::Route);
}

void Line_Collection::updateAllLines()
{
    for (const auto &line : m_lines)
        updateLine(*line);
}

void Line_Collection::updateBackLines()
{
    if (!m_blocks)
        return;
    // Each with how far it rises: inner loops are routed first, so that an outer one finds their
    // lanes in place and goes round them.
    QVector<std::pair<float, cLine *>> backLines;
    for (const auto &line : m_lines) {
        const qint16 from = m_blocks->elementOfTag(line->sFrom());
        const qint16 to = m_blocks->elementOfTag(line->sTo());
        if (!line->hasElement() || from == -1 || to == -1)
            continue;
        const LineRouter::Box source = LineRouter::boxOf(m_context->shape(from));
        const LineRouter::Box target = LineRouter::boxOf(m_context->shape(to));
        // One that went around before and no longer goes back up is routed straight again.
        const bool bent = !m_context->line(line->theObjectLine()).bends.isEmpty();
        if (bent || LineRouter::goesBack(source, target))
            backLines.append({source.top - target.top, line.get()});
    }
    std::stable_sort(backLines.begin(), backLines.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[rise, line] : std::as_const(backLines))
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
