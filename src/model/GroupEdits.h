#pragma once

#include "model/ChartFragment.h"
#include "model/EditRecord.h"
#include "model/EditReplayer.h"

#include <QVector>
#include <QtGlobal>

class Block_Collection;
class Line_Collection;

// The edits of several blocks at once: moving and deleting a selection, taking it out as a
// fragment and putting a fragment in. Each returns an EditRecord that EditOperations::undo and
// redo replay, as the single-block operations do. Elements that name no block are skipped.
class GroupEdits {
public:
    GroupEdits(ModelContext &context, Block_Collection &blocks, Line_Collection &lines);

    // Moves every block by (dx, dy) and re-routes the lines touching them; the project is
    // modified. Consecutive moves of one drag merge (EditRecord::mergeWith).
    EditRecord moveBlocks(const QVector<qint16> &elements, float dx, float dy);

    // Deletes the blocks with every line that touches them, the lines to blocks left behind
    // included (a selection is taken out whole). A deleted block drops out of the selection
    // pair; the project is modified.
    EditRecord deleteBlocks(const QVector<qint16> &elements);

    // The blocks, in collection order, and the lines that join two of them, in theirs.
    ChartFragment fragmentOf(const QVector<qint16> &elements) const;

    // Adds the fragment's blocks under free tag IDs, moved by (dx, dy), and the lines between
    // them; a line naming a block outside the fragment is left out. The last block added
    // becomes the selected one; `added` (when given) receives the new blocks' elements. The
    // project is modified. Unchanged for an empty fragment or while tracking is off.
    EditRecord insertFragment(const ChartFragment &fragment, float dx, float dy, QVector<qint16> *added = nullptr);

    // Gives a new block the state's size, colours and action fields (not its tag or place).
    static void writeContents(cBlock &block, const EditRecord::BlockState &state);

private:
    QVector<cBlock *> blocksOf(const QVector<qint16> &elements) const;
    QVector<int> linesTouching(const QVector<cBlock *> &blocks) const;
    void closeRecord(qint16 selected, qint16 previous, bool modified, EditRecord &record) const;

    ModelContext &m_context;
    Block_Collection &m_blocks;
    Line_Collection &m_lines;
    EditReplayer m_replayer;
};
