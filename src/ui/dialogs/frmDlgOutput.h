#pragma once

#include "ui/dialogs/MessageVariableDialog.h"

// The output dialog of OUTPUT blocks: the message and the variable.
class frmDlgOutput : public MessageVariableDialog {
    Q_OBJECT
public:
    // A fresh dialog with empty fields (placement).
    explicit frmDlgOutput(frmLists &lists, QWidget *parent = nullptr);
    // Filled from the block's message and variable (editing).
    frmDlgOutput(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);
};
