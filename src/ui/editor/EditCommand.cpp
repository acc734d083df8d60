#include "ui/editor/EditCommand.h"

#include "model/EditOperations.h"

EditCommand::EditCommand(EditOperations &operations, const QString &text, Operation operation, int mergeKey)
    : QUndoCommand(text),
      m_operations(operations),
      m_operation(std::move(operation)),
      m_mergeKey(mergeKey)
{
}

void EditCommand::redo()
{
    if (m_done) {
        m_operations.redo(m_record);
        return;
    }
    m_done = true;
    m_record = m_operation(m_operations);
    m_operation = nullptr;
    setObsolete(!m_record.changedModel());
}

void EditCommand::undo()
{
    m_operations.undo(m_record);
}

bool EditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *later = dynamic_cast<const EditCommand *>(other);
    if (!later || later->m_mergeKey != m_mergeKey)
        return false;
    return m_record.mergeWith(later->m_record);
}
