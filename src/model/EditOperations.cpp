#include "model/EditOperations.h"

#include "base/MessageLog.h"
#include "base/tranLng.h"
#include "model/BlockSize.h"
#include "model/BlockTool.h"
#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/VarnelError.h"

#include <QLocale>

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

// What an edit may change besides adding and removing: states taken before it, compared with
// the states after it.
struct EditOperations::Before {
    std::optional<EditRecord::BlockState> block;
    QVector<int> linePositions;
    QVector<EditRecord::LineState> lines;
    qint16 selected = -1;
    qint16 previous = -1;
    bool modified = false;
};

namespace {

MessageText twoBlocksNeeded()
{
    return MessageText::of(QT_TRANSLATE_NOOP("Message", "İki nesne seçilmelidir!"));
}

EditRecord refused()
{
    EditRecord record;
    record.outcome = EditRecord::Outcome::Refused;
    return record;
}

QVector<int> linesTouching(const Line_Collection &lines, const QString &tag)
{
    QVector<int> positions;
    for (int p = 1; p <= lines.Count(); ++p) {
        const cLine *line = lines.item(p);
        if (line->sFrom() == tag || line->sTo() == tag)
            positions.append(p);
    }
    return positions;
}

QVector<int> allLines(const Line_Collection &lines)
{
    QVector<int> positions(lines.Count());
    std::iota(positions.begin(), positions.end(), 1);
    return positions;
}

} // namespace

EditOperations::EditOperations(ModelContext &context, Block_Collection &blocks,
                               Line_Collection &lines, MessageLog *log)
    : m_context(context), m_blocks(blocks), m_lines(lines), m_log(log),
      m_replayer(context, blocks, lines)
{
}

cBlock *EditOperations::blockAt(qint16 element) const
{
    if (!m_context.hasShape(element))
        return nullptr;
    cBlock *block = m_blocks.item(m_context.shape(element).tag);
    return block && block->theObjectShape() == element ? block : nullptr;
}

void EditOperations::message(const MessageText &text) const
{
    if (m_log)
        m_log->mBox(text);
}

bool EditOperations::selectionPairMissing() const
{
    return m_context.previousSelectedIndex() == -1 || m_context.selectedIndex() == -1;
}

EditOperations::Before EditOperations::capture(const cBlock *block, const QVector<int> &linePositions) const
{
    Before before;
    if (block)
        before.block = EditReplayer::stateOf(*block, m_context);
    before.linePositions = linePositions;
    for (const int p : linePositions)
        before.lines.append(EditReplayer::stateOf(*m_lines.item(p), m_context));
    before.selected = m_context.selectedIndex();
    before.previous = m_context.previousSelectedIndex();
    before.modified = m_context.projectModified();
    return before;
}

// Appends a step for each captured block, line, selection and flag that changed.
void EditOperations::finish(const Before &before, const cBlock *block, EditRecord &record) const
{
    if (before.block && block) {
        const EditRecord::BlockState after = EditReplayer::stateOf(*block, m_context);
        if (!(after == *before.block))
            record.steps.append(EditRecord::BlockChanged{*before.block, after});
    }
    for (qsizetype i = 0; i < before.linePositions.size(); ++i) {
        const int p = before.linePositions[i];
        if (p > m_lines.Count())
            continue;
        const EditRecord::LineState after = EditReplayer::stateOf(*m_lines.item(p), m_context);
        if (!(after == before.lines[i]))
            record.steps.append(EditRecord::LineChanged{p, before.lines[i], after});
    }
    const qint16 selected = m_context.selectedIndex();
    const qint16 previous = m_context.previousSelectedIndex();
    if (selected != before.selected || previous != before.previous)
        record.steps.append(EditRecord::SelectionChanged{before.selected, before.previous, selected, previous});
    if (m_context.projectModified() != before.modified)
        record.steps.append(EditRecord::ModifiedChanged{before.modified, m_context.projectModified()});
    if (!record.steps.isEmpty() && record.outcome == EditRecord::Outcome::Unchanged)
        record.outcome = EditRecord::Outcome::Applied;
}

EditRecord EditOperations::placeBlock(const QString &toolWord, float x, float y, const ActionFields &fields)
{
    const std::optional<BlockTool> tool = BlockTool::find(toolWord);
    if (!m_context.trackCurrentBlock || !tool)
        return EditRecord();
    const Before before = capture(nullptr, {});
    EditRecord record;
    addBlock(*tool, x, y, fields, record);
    finish(before, nullptr, record);
    return record;
}

cBlock *EditOperations::addBlock(const BlockTool &tool, float x, float y, const ActionFields &fields,
                                 EditRecord &record)
{
    cBlock *block = m_blocks.AddShape(tool.shape, m_blocks.getFreeTagID(), x, y);
    const qint16 element = block->theObjectShape();
    block->setShapeSize(tool.width, tool.height);
    const ActionFields &chosen = tool.needsDialog() ? fields : tool.fields;
    block->setZAction(chosen.zAction);
    block->setZParam1(chosen.zParam1);
    block->setZParam2(chosen.zParam2);
    block->setZParam3(chosen.zParam3);
    if (tool.rebuildsCaption && !chosen.zAction.isEmpty())
        block->setCaptionToAction();

    const int position = m_blocks.positionOf(block);
    const EditRecord::BlockState state = EditReplayer::stateOf(*block, m_context);
    // A dialog closed without confirming leaves no half-made block on the surface.
    const bool kept = !chosen.zAction.isEmpty();
    if (!kept)
        m_blocks.removeShape(element);
    record.steps.append(EditRecord::ElementCreated{false, element, m_context.shape(element), {}});
    if (kept)
        record.steps.append(EditRecord::BlockInserted{position, state});
    return kept ? block : nullptr;
}

EditRecord EditOperations::spliceBlock(int linePosition, const QString &toolWord, float x, float y,
                                       const ActionFields &fields)
{
    const std::optional<BlockTool> tool = BlockTool::find(toolWord);
    if (!m_context.trackCurrentBlock || !tool || linePosition < 1 || linePosition > m_lines.Count())
        return EditRecord();
    // Unlike a block put on empty surface, a cancelled one leaves no trace: the line stays whole.
    if (tool->needsDialog() && fields.zAction.isEmpty())
        return EditRecord();
    const Before before = capture(nullptr, {linePosition});
    EditRecord record;
    const cBlock *block = addBlock(*tool, x, y, fields, record);
    if (block) {
        cLine *line = m_lines.item(linePosition);
        const QString target = line->sTo();
        line->setSTo(block->TagID());
        m_lines.updateLine(*line);
        appendLine(*block, target, record);
    }
    finish(before, nullptr, record);
    return record;
}

// A new line from the block to the tag, last in the collection; a condition's first line out is
// its "EVET" line, the next its "HAYIR" line.
void EditOperations::appendLine(const cBlock &from, const QString &to, EditRecord &record)
{
    const QString F = from.TagID();
    cLine *line = m_lines.AddLine(F, to, QString());
    if (from.zAction().startsWith(QLatin1String("IF_"))) {
        const QString yes = tranLng(QStringLiteral("YES"));
        const QLocale locale;
        const QVector<cLine *> &leaving = m_lines.outgoing(F);
        const bool hasYes = std::any_of(leaving.begin(), leaving.end(), [&](const cLine *l) {
            return l != line && locale.toUpper(l->sCaption()) == yes;
        });
        line->setCaptionCentred(hasYes ? tranLng(QStringLiteral("NO")) : yes);
        m_lines.updateLine(*line);
    }
    m_context.setProjectModified(true);
    if (line->hasElement())
        record.steps.append(EditRecord::ElementCreated{true, line->theObjectLine(), {},
                                                       m_context.line(line->theObjectLine())});
    record.steps.append(EditRecord::LineInserted{m_lines.Count(), EditReplayer::stateOf(*line, m_context)});
}

void EditOperations::pressBlock(qint16 element)
{
    if (element != m_context.selectedIndex())
        m_context.setSelection(element, m_context.selectedIndex());
}

EditRecord EditOperations::moveBlock(qint16 element, float left, float top)
{
    cBlock *block = blockAt(element);
    if (!block)
        return EditRecord();
    const Before before = capture(block, linesTouching(m_lines, block->TagID()));
    block->setShapePosition(left, top);
    m_lines.updateConntectedLines(block->TagID());
    m_context.setProjectModified(true);
    EditRecord record;
    finish(before, block, record);
    return record;
}

EditRecord EditOperations::setSelectedWidth(int width)
{
    return resizeSelected(true, width);
}

EditRecord EditOperations::setSelectedHeight(int height)
{
    return resizeSelected(false, height);
}

EditRecord EditOperations::resizeSelected(bool width, int value)
{
    cBlock *block = blockAt(m_context.selectedIndex());
    if (!block)
        return EditRecord();
    const Before before = capture(block, allLines(m_lines));
    const int side = std::clamp(value, 1, int(std::numeric_limits<qint16>::max()));
    const BlockSize current{block->shapeWidth(), block->shapeHeight()};
    const BlockSize next = width ? current.withWidth(block->Shape(), side)
                                 : current.withHeight(block->Shape(), side);
    block->setShapeSize(next.width, next.height);
    m_lines.updateAllLines();
    m_context.setProjectModified(true);
    EditRecord record;
    finish(before, block, record);
    return record;
}

EditRecord EditOperations::setSelectedActionFields(const ActionFields &fields)
{
    cBlock *block = blockAt(m_context.selectedIndex());
    if (!block)
        return EditRecord();
    const Before before = capture(block, linesTouching(m_lines, block->TagID()));
    block->setZAction(fields.zAction);
    block->setZParam1(fields.zParam1);
    block->setZParam2(fields.zParam2);
    block->setZParam3(fields.zParam3);
    block->setCaptionToAction();
    m_lines.updateConntectedLines(block->TagID());
    m_context.setProjectModified(true);
    EditRecord record;
    finish(before, block, record);
    return record;
}

EditRecord EditOperations::setSelectedColour(ColourRole role, qint32 colour)
{
    cBlock *block = blockAt(m_context.selectedIndex());
    if (!block)
        return EditRecord();
    const Before before = capture(block, {});
    switch (role) {
    case ColourRole::Fill: block->setBGColor(colour); break;
    case ColourRole::Text: block->setTextColor(colour); break;
    case ColourRole::Border: block->setBorderColor(colour); break;
    }
    m_context.setProjectModified(true);
    EditRecord record;
    finish(before, block, record);
    return record;
}

EditRecord EditOperations::connectSelected(bool reportAlreadyJoined)
{
    const cBlock *from = blockAt(m_context.previousSelectedIndex());
    const cBlock *to = blockAt(m_context.selectedIndex());
    // A selected element whose block was deleted counts as no selection: a line to it would
    // name a block that is not there.
    if (!from || !to) {
        message(twoBlocksNeeded());
        return refused();
    }
    const QString F = from->TagID();
    const QString T = to->TagID();
    if (!m_lines.linesBetween(F, T).isEmpty()) {
        if (reportAlreadyJoined)
            message(MessageText::of(QT_TRANSLATE_NOOP("Message", "Zaten bağlı!")));
        return refused();
    }
    const Before before = capture(nullptr, {});
    EditRecord record;
    appendLine(*from, T, record);
    finish(before, nullptr, record);
    return record;
}

EditRecord EditOperations::deleteLineAt(int position)
{
    if (position < 1 || position > m_lines.Count())
        return EditRecord();
    const Before before = capture(nullptr, {});
    EditRecord record;
    record.steps.append(EditRecord::LineRemoved{position, EditReplayer::stateOf(*m_lines.item(position), m_context)});
    m_replayer.redo(record);
    m_context.setProjectModified(true);
    finish(before, nullptr, record);
    return record;
}

EditRecord EditOperations::labelSelectedLines(const QString &caption)
{
    if (selectionPairMissing()) {
        message(twoBlocksNeeded());
        return refused();
    }
    const QString F = m_context.shape(m_context.previousSelectedIndex()).tag;
    const QString T = m_context.shape(m_context.selectedIndex()).tag;
    const QVector<int> positions = m_lines.linesBetween(F, T);
    if (positions.isEmpty())
        return EditRecord();
    const Before before = capture(nullptr, positions);
    m_lines.AddCaptionToLine(F, T, caption);
    m_context.setProjectModified(true);
    EditRecord record;
    finish(before, nullptr, record);
    return record;
}

EditRecord EditOperations::deleteSelectedLines()
{
    const qint16 first = m_context.previousSelectedIndex();
    const qint16 second = m_context.selectedIndex();
    if (first == -1 || second == -1) {
        m_lines.deleteLine(first, second); // the collection reports the refusal
        return refused();
    }
    const QVector<int> positions = m_lines.linesBetween(m_context.shape(first).tag, m_context.shape(second).tag);
    if (positions.isEmpty())
        return EditRecord();
    const Before before = capture(nullptr, positions);
    m_lines.deleteLine(first, second);
    m_context.setProjectModified(true);
    EditRecord record;
    // The lines go from the last to the first, so that undoing puts each back at its position.
    for (qsizetype i = positions.size(); i-- > 0;)
        record.steps.append(EditRecord::LineRemoved{positions[i], before.lines[i]});
    Before rest = before;
    rest.linePositions.clear();
    finish(rest, nullptr, record);
    return record;
}

EditRecord EditOperations::deleteSelectedBlock()
{
    const qint16 element = m_context.selectedIndex();
    cBlock *block = blockAt(element);
    if (!block)
        return EditRecord();
    const Before before = capture(block, {});
    const QString tag = block->TagID();
    const int position = m_blocks.positionOf(block);
    m_blocks.removeShape(element);
    if (m_blocks.item(tag))
        return refused(); // a line still touches it; the collection said so
    m_context.setProjectModified(true);
    EditRecord record;
    record.steps.append(EditRecord::BlockRemoved{position, *before.block});
    finish(before, nullptr, record);
    return record;
}
