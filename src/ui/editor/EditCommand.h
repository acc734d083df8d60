#pragma once

#include "model/EditRecord.h"

#include <QUndoCommand>
#include <functional>

class EditOperations;

// One editor edit on the undo stack. Its first redo runs the operation and keeps the record of
// what it did; every later undo and redo replays that record exactly. An operation that
// changed nothing (a refusal, no selection) makes the command obsolete, so the stack drops it.
// Commands with the same non-negative merge key (the moves of one drag) fold into one step.
class EditCommand : public QUndoCommand {
public:
    using Operation = std::function<EditRecord(EditOperations &)>;

    EditCommand(EditOperations &operations, const QString &text, Operation operation, int mergeKey = -1);

    void redo() override;
    void undo() override;
    int id() const override { return m_mergeKey < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override;

    const EditRecord &record() const { return m_record; }

private:
    EditOperations &m_operations;
    Operation m_operation;
    EditRecord m_record;
    int m_mergeKey;
    bool m_done = false;
};
