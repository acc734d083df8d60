#pragma once

#include "model/ActionFields.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class frmLists;

// One property dialog class as the editor uses it. Placing a new block reuses one hidden dialog,
// so consecutive placements start from the entries last confirmed; a close-box close discards
// it. Editing always opens a fresh dialog filled from the block and destroys it afterwards,
// which also discards the kept one.
template <class Dialog>
class DialogSlot {
public:
    DialogSlot(frmLists &lists, QWidget *parent) : m_lists(lists), m_parent(parent) {}
    ~DialogSlot() { delete m_kept.data(); }
    DialogSlot(const DialogSlot &) = delete;
    DialogSlot &operator=(const DialogSlot &) = delete;

    std::optional<ActionFields> place(const ActionFields &newBlock)
    {
        if (!m_kept)
            m_kept = new Dialog(m_lists, m_parent);
        m_kept->setBlockFields(newBlock);
        m_kept->exec();
        std::optional<ActionFields> result = m_kept ? m_kept->confirmedFields() : std::nullopt;
        if (!result)
            discard();
        return result;
    }

    std::optional<ActionFields> edit(const ActionFields &block)
    {
        discard();
        Dialog dialog(m_lists, block, m_parent);
        dialog.exec();
        return dialog.confirmedFields();
    }

    // The hidden placement dialog, if one is kept.
    Dialog *keptDialog() const { return m_kept.data(); }

    void discard() { delete m_kept.data(); }

private:
    frmLists &m_lists;
    QWidget *m_parent;
    QPointer<Dialog> m_kept;
};
