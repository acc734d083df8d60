#pragma once

#include "model/EditRecord.h"

class Block_Collection;
class Line_Collection;
class cBlock;
class cLine;

// Takes the states of blocks and lines, and replays edit records backwards (undo) or forwards
// (redo). Replaying goes through the collections and the records' setters, so every change is
// announced the way the edit itself announced it.
class EditReplayer {
public:
    EditReplayer(ModelContext &context, Block_Collection &blocks, Line_Collection &lines);

    static EditRecord::BlockState stateOf(const cBlock &block, const ModelContext &context);
    static EditRecord::LineState stateOf(const cLine &line, const ModelContext &context);

    void undo(const EditRecord &record);
    void redo(const EditRecord &record);

private:
    void apply(const EditRecord::Step &step, bool forward);
    void createElement(const EditRecord::ElementCreated &step);
    void releaseElement(const EditRecord::ElementCreated &step);
    void insertBlock(int position, const EditRecord::BlockState &state);
    void removeBlock(int position);
    void insertLine(int position, const EditRecord::LineState &state);
    void removeLine(int position);
    void setBlockState(const EditRecord::BlockState &from, const EditRecord::BlockState &to);
    void setLineState(int position, const EditRecord::LineState &state);
    void writeFields(cBlock &block, const EditRecord::BlockState &state);

    ModelContext &m_context;
    Block_Collection &m_blocks;
    Line_Collection &m_lines;
};
