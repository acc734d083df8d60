#pragma once

#include "base/MessageText.h"
#include "model/ActionFields.h"
#include "model/EditRecord.h"
#include "model/EditReplayer.h"

#include <QString>
#include <QtGlobal>

class Block_Collection;
class Line_Collection;
class MessageLog;
struct BlockTool;
class cBlock;

// The editing operations of the drawing surface: placing, moving and resizing blocks, setting
// their action fields and colours, connecting, labelling and deleting lines, deleting blocks.
// Each applies the editor's rules, shows its refusals in the message log and returns an
// EditRecord of what it did; undo(record) takes the edit back exactly and redo(record) does it
// again, both leaving the collections (order included), the elements, the selection and the
// unsaved-changes flag as they were. Questions to the user (the caption prompt, a property
// dialog) are the caller's: their answers come in as arguments.
//
// An undo command wraps one operation: its first redo calls the operation and keeps the record
// (pushing no command when !record.changedModel()); later undo/redo calls replay the record.
// Records must be undone in the reverse order they were made, as an undo stack does.
class EditOperations {
public:
    enum class ColourRole { Fill, Text, Border };

    // log may be null: refusals are then not shown anywhere.
    EditOperations(ModelContext &context, Block_Collection &blocks, Line_Collection &lines,
                   MessageLog *log);

    // Places a block of the tool (BlockTool::find) with its top-left corner at (x, y), under a
    // free tag ID; it becomes the selected block and the block selected before it the previous
    // one. A tool with a dialog takes `fields` (the dialog's answer): an empty zAction means the
    // dialog was cancelled, and the block is removed again at once (its element stays used, the
    // selection ends at -1 with the old selected block as the previous one, the project counts
    // as modified). A tool without a dialog ignores `fields`. Unchanged while tracking is off or
    // for an unknown word.
    EditRecord placeBlock(const QString &toolWord, float x, float y,
                          const ActionFields &fields = ActionFields());

    // Places a block of the tool, as placeBlock does, into the line at the 1-based position: the
    // line A→B becomes A→new, keeping its caption, and a new line new→B comes last (captioned
    // "EVET" when the new block is a condition). A tool with a dialog whose answer is empty
    // (cancelled), a position out of range or tracking off leave everything as it was.
    EditRecord spliceBlock(int linePosition, const QString &toolWord, float x, float y,
                           const ActionFields &fields = ActionFields());

    // The press on a block's element: it becomes the selected block, the one selected before
    // becomes the previous one; pressing the selected block changes nothing. Not an edit.
    void pressBlock(qint16 element);

    // Moves the block of the element to (left, top), re-routes its lines, marks the project
    // modified. Consecutive moves of one drag merge (EditRecord::mergeWith).
    EditRecord moveBlock(qint16 element, float left, float top);

    // The size window: one side of the selected block (at least 1, at most 32767); circles keep
    // their height equal to their width. Every line is re-routed; the project is modified.
    EditRecord setSelectedWidth(int width);
    EditRecord setSelectedHeight(int height);

    // A confirmed property dialog: the selected block's four action fields, its captions rebuilt
    // (the block widens to fit), its lines re-routed, the project modified.
    EditRecord setSelectedActionFields(const ActionFields &fields);

    // A colour chosen for the selected block; the project is modified.
    EditRecord setSelectedColour(ColourRole role, qint32 colour);

    // Joins the previous selected block to the selected one. Refused with "İki nesne
    // seçilmelidir!" without two selected blocks, and with "Zaten bağlı!" (shown only when
    // reportAlreadyJoined) when a line joins them in either direction. A line out of a condition
    // block gets the caption "HAYIR" when the block already has a leaving "EVET" line, "EVET"
    // otherwise. The project is modified.
    EditRecord connectSelected(bool reportAlreadyJoined = true);

    // Gives every line between the two selected blocks, in either direction, the caption (the
    // prompt's answer; "" clears) with its label centred. Refused with "İki nesne
    // seçilmelidir!" without two selected blocks; the project is modified when a line changed.
    EditRecord labelSelectedLines(const QString &caption);

    // Deletes every line between the two selected blocks, in either direction. Refused with
    // "Hangi okun silineceğine karar verilemiyor." without two selected blocks; the project is
    // modified when a line went.
    EditRecord deleteSelectedLines();

    // Deletes the line at the 1-based position; the project is modified. Unchanged out of range.
    EditRecord deleteLineAt(int position);

    // Deletes the selected block; refused with "Bağlı nesneler silinemez." while a line touches
    // it. The selection becomes -1 (the previous one stays); the project is modified.
    EditRecord deleteSelectedBlock();

    void undo(const EditRecord &record) { m_replayer.undo(record); }
    void redo(const EditRecord &record) { m_replayer.redo(record); }

    // The block whose element has this index; null for -1 or a deleted element.
    cBlock *blockAt(qint16 element) const;

private:
    struct Before;
    Before capture(const cBlock *block, const QVector<int> &linePositions) const;
    void finish(const Before &before, const cBlock *block, EditRecord &record) const;
    EditRecord resizeSelected(bool width, int value);
    cBlock *addBlock(const BlockTool &tool, float x, float y, const ActionFields &fields, EditRecord &record);
    void appendLine(const cBlock &from, const QString &to, EditRecord &record);
    void message(const MessageText &text) const;
    bool selectionPairMissing() const;

    ModelContext &m_context;
    Block_Collection &m_blocks;
    Line_Collection &m_lines;
    MessageLog *m_log;
    EditReplayer m_replayer;
};
