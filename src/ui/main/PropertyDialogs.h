#pragma once

#include "model/ActionFields.h"
#include "model/EditDispatch.h"
#include "ui/dialogs/DialogSlot.h"
#include "ui/dialogs/frmDlgAction.h"
#include "ui/dialogs/frmDlgFunction.h"
#include "ui/dialogs/frmDlgGeneral.h"
#include "ui/dialogs/frmDlgIf.h"
#include "ui/dialogs/frmDlgInput.h"
#include "ui/dialogs/frmDlgOutput.h"
#include "ui/dialogs/frmLists.h"

#include <QString>
#include <functional>
#include <optional>

class MessageLog;
class QWidget;

// The property dialogs of the editor, one of each kind, with the program's one pair of recent
// lists. A new block's dialog is kept hidden after a confirm, so the next placement of that
// kind starts from the entries last confirmed; editing opens a fresh dialog filled from the
// block and discards the kept one. The window designer is made afresh every time.
class PropertyDialogs {
public:
    // projectFolder is asked each time the designer opens (its Java export writes there when
    // the program's folder is not writable).
    PropertyDialogs(QWidget *parent, MessageLog &log, std::function<QString()> projectFolder);

    frmLists &lists() { return m_lists; }

    // The answer of the dialog that confirms a new block of this kind; nothing when it was
    // closed without confirming.
    std::optional<ActionFields> place(EditDispatch::Dialog kind);
    // The answer of the dialog that edits a block with these fields.
    std::optional<ActionFields> edit(EditDispatch::Dialog kind, const ActionFields &block);

    // The kept (hidden) placement dialog of a kind, if any; for tests and screenshots.
    QWidget *keptDialog(EditDispatch::Dialog kind) const;

private:
    std::optional<ActionFields> runDesigner(const ActionFields &block);

    QWidget *m_parent;
    MessageLog &m_log;
    std::function<QString()> m_projectFolder;
    frmLists m_lists;
    DialogSlot<frmDlgGeneral> m_general;
    DialogSlot<frmDlgAction> m_action;
    DialogSlot<frmDlgInput> m_input;
    DialogSlot<frmDlgOutput> m_output;
    DialogSlot<frmDlgIf> m_condition;
    DialogSlot<frmDlgFunction> m_function;
};
