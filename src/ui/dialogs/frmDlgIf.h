#pragma once

#include "ui/dialogs/PropertyDialog.h"

// The condition dialog: left operand, comparison, right operand in one row.
class frmDlgIf : public PropertyDialog {
    Q_OBJECT
public:
    // A fresh dialog: empty operands, "=" picked (placement).
    explicit frmDlgIf(frmLists &lists, QWidget *parent = nullptr);
    // Filled from a condition block (editing).
    frmDlgIf(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);

    ActionFields applyTo(const ActionFields &block) const override;

protected:
    void refillRecentLists() override;

private:
    QComboBox *cboxOperand1;
    QComboBox *cboxOperation;
    QComboBox *cboxOperand2;
};
