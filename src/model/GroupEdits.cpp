#include "model/GroupEdits.h"

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"

#include <QHash>
#include <QSet>

#include <algorithm>

GroupEdits::GroupEdits(ModelContext &context, Block_Collection &blocks, Line_Collection &lines)
    : m_context(context), m_blocks(blocks), m_lines(lines), m_replayer(context, blocks, lines)
{
}

// The blocks of the elements, each once, in collection order.
QVector<cBlock *> GroupEdits::blocksOf(const QVector<qint16> &elements) const
{
    const QSet<qint16> wanted(elements.begin(), elements.end());
    QVector<cBlock *> found;
    for (const auto &block : m_blocks) {
        if (block->hasElement() && wanted.contains(block->theObjectShape()))
            found.append(block.get());
    }
    return found;
}

// The 1-based positions, ascending, of the lines with an end at one of the blocks.
QVector<int> GroupEdits::linesTouching(const QVector<cBlock *> &blocks) const
{
    QSet<QString> tags;
    for (const cBlock *block : blocks)
        tags.insert(block->TagID());
    QVector<int> positions;
    for (int p = 1; p <= m_lines.Count(); ++p) {
        const cLine *line = m_lines.item(p);
        if (tags.contains(line->sFrom()) || tags.contains(line->sTo()))
            positions.append(p);
    }
    return positions;
}

// Appends the selection and flag steps against their states before the edit.
void GroupEdits::closeRecord(qint16 selected, qint16 previous, bool modified, EditRecord &record) const
{
    const qint16 selectedNow = m_context.selectedIndex();
    const qint16 previousNow = m_context.previousSelectedIndex();
    if (selectedNow != selected || previousNow != previous)
        record.steps.append(EditRecord::SelectionChanged{selected, previous, selectedNow, previousNow});
    if (m_context.projectModified() != modified)
        record.steps.append(EditRecord::ModifiedChanged{modified, m_context.projectModified()});
    if (!record.steps.isEmpty())
        record.outcome = EditRecord::Outcome::Applied;
}

EditRecord GroupEdits::moveBlocks(const QVector<qint16> &elements, float dx, float dy)
{
    const QVector<cBlock *> moving = blocksOf(elements);
    if (moving.isEmpty() || (dx == 0 && dy == 0))
        return EditRecord();
    const QVector<int> touching = linesTouching(moving);
    QVector<EditRecord::BlockState> blocksBefore;
    for (const cBlock *block : moving)
        blocksBefore.append(EditReplayer::stateOf(*block, m_context));
    QVector<EditRecord::LineState> linesBefore;
    for (const int p : touching)
        linesBefore.append(EditReplayer::stateOf(*m_lines.item(p), m_context));
    const bool modified = m_context.projectModified();

    for (cBlock *block : moving)
        block->setShapePosition(block->shapeLeft() + dx, block->shapeTop() + dy);
    for (const int p : touching)
        m_lines.updateLine(*m_lines.item(p));
    m_context.setProjectModified(true);

    EditRecord record;
    for (qsizetype i = 0; i < moving.size(); ++i)
        record.steps.append(EditRecord::BlockChanged{blocksBefore[i], EditReplayer::stateOf(*moving[i], m_context)});
    for (qsizetype i = 0; i < touching.size(); ++i) {
        const EditRecord::LineState after = EditReplayer::stateOf(*m_lines.item(touching[i]), m_context);
        if (!(after == linesBefore[i]))
            record.steps.append(EditRecord::LineChanged{touching[i], linesBefore[i], after});
    }
    closeRecord(m_context.selectedIndex(), m_context.previousSelectedIndex(), modified, record);
    return record;
}

EditRecord GroupEdits::deleteBlocks(const QVector<qint16> &elements)
{
    const QVector<cBlock *> going = blocksOf(elements);
    if (going.isEmpty())
        return EditRecord();
    const qint16 selected = m_context.selectedIndex();
    const qint16 previous = m_context.previousSelectedIndex();
    const bool modified = m_context.projectModified();

    EditRecord record;
    // From the last to the first, so that undoing puts each back at its position.
    const QVector<int> lines = linesTouching(going);
    for (qsizetype i = lines.size(); i-- > 0;)
        record.steps.append(EditRecord::LineRemoved{lines[i], EditReplayer::stateOf(*m_lines.item(lines[i]), m_context)});
    QSet<qint16> gone;
    for (qsizetype i = going.size(); i-- > 0;) {
        record.steps.append(EditRecord::BlockRemoved{m_blocks.positionOf(going[i]),
                                                     EditReplayer::stateOf(*going[i], m_context)});
        gone.insert(going[i]->theObjectShape());
    }
    m_replayer.redo(record);
    m_context.setSelection(gone.contains(selected) ? qint16(-1) : selected,
                           gone.contains(previous) ? qint16(-1) : previous);
    m_context.setProjectModified(true);
    closeRecord(selected, previous, modified, record);
    return record;
}

void GroupEdits::writeContents(cBlock &block, const EditRecord::BlockState &state)
{
    block.setShapeSize(state.shapeElement.width, state.shapeElement.height);
    block.setBGColor(state.bgColor);
    block.setBorderColor(state.borderColor);
    block.setTextColor(state.textColor);
    block.setZAction(state.zAction);
    for (int slot = 0; slot < 3; ++slot)
        block.setZParam(slot, state.zParam[slot]);
}

ChartFragment GroupEdits::fragmentOf(const QVector<qint16> &elements) const
{
    ChartFragment fragment;
    QSet<QString> tags;
    for (const cBlock *block : blocksOf(elements)) {
        fragment.blocks.append(EditReplayer::stateOf(*block, m_context));
        tags.insert(block->TagID());
    }
    for (const auto &line : m_lines) {
        if (tags.contains(line->sFrom()) && tags.contains(line->sTo()))
            fragment.lines.append(EditReplayer::stateOf(*line, m_context));
    }
    return fragment;
}

EditRecord GroupEdits::insertFragment(const ChartFragment &fragment, float dx, float dy, QVector<qint16> *added)
{
    if (fragment.isEmpty() || !m_context.trackCurrentBlock)
        return EditRecord();
    const qint16 selected = m_context.selectedIndex();
    const qint16 previous = m_context.previousSelectedIndex();
    const bool modified = m_context.projectModified();
    EditRecord record;
    QHash<QString, QString> newTags;
    qint16 last = -1;
    for (const EditRecord::BlockState &state : fragment.blocks) {
        const ShapeElement &at = state.shapeElement;
        cBlock *block = m_blocks.AddShape(state.shape, m_blocks.getFreeTagID(), at.left + dx, at.top + dy);
        if (!newTags.contains(state.tagID))
            newTags.insert(state.tagID, block->TagID());
        writeContents(*block, state);
        block->setVisible(true);
        block->setCaptionToAction();
        last = block->theObjectShape();
        if (added)
            added->append(last);
        record.steps.append(EditRecord::ElementCreated{false, last, m_context.shape(last), {}});
        record.steps.append(EditRecord::BlockInserted{m_blocks.positionOf(block), EditReplayer::stateOf(*block, m_context)});
    }
    for (const EditRecord::LineState &state : fragment.lines) {
        if (!newTags.contains(state.from) || !newTags.contains(state.to))
            continue;
        cLine *line = m_lines.AddLine(newTags.value(state.from), newTags.value(state.to), QString());
        if (!state.caption.isEmpty())
            line->setCaptionCentred(state.caption);
        m_lines.updateLine(*line);
        if (line->hasElement())
            record.steps.append(EditRecord::ElementCreated{true, line->theObjectLine(), {},
                                                           m_context.line(line->theObjectLine())});
        record.steps.append(EditRecord::LineInserted{m_lines.Count(), EditReplayer::stateOf(*line, m_context)});
    }
    m_context.setSelection(last, selected);
    m_context.setProjectModified(true);
    closeRecord(selected, previous, modified, record);
    return record;
}
