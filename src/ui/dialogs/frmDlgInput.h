#pragma once

#include "ui/dialogs/MessageVariableDialog.h"

// The input dialog of INPUT blocks: the message and the variable.
class frmDlgInput : public MessageVariableDialog {
    Q_OBJECT
public:
    // A fresh dialog with empty fields (placement).
    explicit frmDlgInput(frmLists &lists, QWidget *parent = nullptr);
    // Filled from the block's message and variable (editing).
    frmDlgInput(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);
};
