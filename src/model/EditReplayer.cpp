#include "model/EditReplayer.h"

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"

EditReplayer::EditReplayer(ModelContext &context, Block_Collection &blocks, Line_Collection &lines)
    : m_context(context), m_blocks(blocks), m_lines(lines)
{
}

EditRecord::BlockState EditReplayer::stateOf(const cBlock &block, const ModelContext &context)
{
    EditRecord::BlockState s;
    s.tagID = block.TagID();
    s.zAction = block.zAction();
    for (int slot = 0; slot < 3; ++slot)
        s.zParam[slot] = block.zParam(slot);
    s.textColor = block.TextColor();
    s.bgColor = block.BGColor();
    s.borderColor = block.BorderColor();
    s.shape = block.Shape();
    s.captionUp = block.sCaptionUp();
    s.caption = block.sCaption();
    s.element = block.theObjectShape();
    if (block.hasElement())
        s.shapeElement = context.shape(s.element);
    return s;
}

EditRecord::LineState EditReplayer::stateOf(const cLine &line, const ModelContext &context)
{
    EditRecord::LineState s;
    s.from = line.sFrom();
    s.to = line.sTo();
    s.caption = line.sCaption();
    s.element = line.theObjectLine();
    if (line.hasElement())
        s.lineElement = context.line(s.element);
    return s;
}

void EditReplayer::undo(const EditRecord &record)
{
    for (auto step = record.steps.crbegin(); step != record.steps.crend(); ++step)
        apply(*step, false);
}

void EditReplayer::redo(const EditRecord &record)
{
    for (const EditRecord::Step &step : record.steps)
        apply(step, true);
}

void EditReplayer::apply(const EditRecord::Step &step, bool forward)
{
    using R = EditRecord;
    if (const auto *s = std::get_if<R::ElementCreated>(&step)) {
        forward ? createElement(*s) : releaseElement(*s);
    } else if (const auto *s = std::get_if<R::BlockInserted>(&step)) {
        forward ? insertBlock(s->position, s->block) : removeBlock(s->position);
    } else if (const auto *s = std::get_if<R::BlockRemoved>(&step)) {
        forward ? removeBlock(s->position) : insertBlock(s->position, s->block);
    } else if (const auto *s = std::get_if<R::LineInserted>(&step)) {
        forward ? insertLine(s->position, s->line) : removeLine(s->position);
    } else if (const auto *s = std::get_if<R::LineRemoved>(&step)) {
        forward ? removeLine(s->position) : insertLine(s->position, s->line);
    } else if (const auto *s = std::get_if<R::BlockChanged>(&step)) {
        forward ? setBlockState(s->before, s->after) : setBlockState(s->after, s->before);
    } else if (const auto *s = std::get_if<R::LineChanged>(&step)) {
        setLineState(s->position, forward ? s->after : s->before);
    } else if (const auto *s = std::get_if<R::SelectionChanged>(&step)) {
        forward ? m_context.setSelection(s->selectedAfter, s->previousAfter)
                : m_context.setSelection(s->selectedBefore, s->previousBefore);
    } else if (const auto *s = std::get_if<R::ModifiedChanged>(&step)) {
        m_context.setProjectModified(forward ? s->after : s->before);
    }
}

void EditReplayer::createElement(const EditRecord::ElementCreated &step)
{
    if (step.isLine) {
        m_context.newLineElement();
        m_context.line(step.index) = step.lineElement;
    } else {
        m_context.newShapeElement();
        m_context.shape(step.index) = step.shapeElement;
    }
}

void EditReplayer::releaseElement(const EditRecord::ElementCreated &step)
{
    if (step.isLine)
        m_context.releaseLineElement(step.index);
    else
        m_context.releaseShapeElement(step.index);
}

void EditReplayer::writeFields(cBlock &block, const EditRecord::BlockState &state)
{
    block.setZAction(state.zAction);
    for (int slot = 0; slot < 3; ++slot)
        block.setZParam(slot, state.zParam[slot]);
    block.setTextColor(state.textColor);
    block.setBGColor(state.bgColor);
    block.setBorderColor(state.borderColor);
    block.setShape(state.shape);
    block.setSCaptionUp(state.captionUp);
    block.setSCaption(state.caption);
    if (block.hasElement()) {
        const ShapeElement &e = state.shapeElement;
        block.setShapePosition(e.left, e.top);
        block.setShapeSize(e.width, e.height);
        block.setVisible(e.visible);
    }
}

void EditReplayer::insertBlock(int position, const EditRecord::BlockState &state)
{
    auto block = std::make_unique<cBlock>(&m_context);
    block->setTheObjectShape(state.element);
    if (block->hasElement())
        m_context.shape(state.element) = state.shapeElement;
    block->setTagID(state.tagID);
    writeFields(*block, state);
    m_blocks.insert(position, std::move(block));
}

void EditReplayer::removeBlock(int position)
{
    const std::unique_ptr<cBlock> block = m_blocks.take(position);
    if (block->hasElement()) {
        ShapeElement &e = m_context.shape(block->theObjectShape());
        e.visible = false;
        e.tag = block->TagID() + QStringLiteral("-DELETED");
    }
}

void EditReplayer::insertLine(int position, const EditRecord::LineState &state)
{
    auto line = std::make_unique<cLine>(&m_context);
    line->setTheObjectLine(state.element);
    line->setSFrom(state.from);
    line->setSTo(state.to);
    line->setSCaption(state.caption);
    if (line->hasElement())
        m_context.line(state.element) = state.lineElement;
    m_lines.insert(position, std::move(line));
}

void EditReplayer::removeLine(int position)
{
    const std::unique_ptr<cLine> line = m_lines.take(position);
    if (line->hasElement()) {
        LineElement &e = m_context.line(line->theObjectLine());
        e.visible = false;
        e.labelVisible = false;
        e.head.visible = false;
    }
}

void EditReplayer::setBlockState(const EditRecord::BlockState &from, const EditRecord::BlockState &to)
{
    if (cBlock *block = m_blocks.item(from.tagID)) {
        block->setTagID(to.tagID);
        writeFields(*block, to);
    }
}

void EditReplayer::setLineState(int position, const EditRecord::LineState &state)
{
    cLine *line = m_lines.item(position);
    line->setSFrom(state.from);
    line->setSTo(state.to);
    if (line->sCaption() != state.caption)
        line->setSCaption(state.caption);
    if (!line->hasElement())
        return;
    LineElement &e = m_context.line(line->theObjectLine());
    if (e == state.lineElement)
        return;
    e = state.lineElement;
    m_lines.announceChanged(line, LineChange::Route);
}
