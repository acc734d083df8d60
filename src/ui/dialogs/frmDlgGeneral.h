#pragma once

#include "ui/dialogs/PropertyDialog.h"

class QLineEdit;

// The START block's options: the local variables a called flowchart saves and restores.
class frmDlgGeneral : public PropertyDialog {
    Q_OBJECT
public:
    explicit frmDlgGeneral(frmLists &lists, QWidget *parent = nullptr);
    // Filled from the START block's local variable list (editing).
    frmDlgGeneral(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);

    // Writes the list only over a START block; any other block comes back unchanged.
    ActionFields applyTo(const ActionFields &block) const override;

protected:
    void refillRecentLists() override {}

private:
    QLineEdit *txtLocalVars;
};
