#pragma once

#include "ui/dialogs/PropertyDialog.h"

// The function-call dialog: a built-in function or a project file to call, its argument and the
// variable that receives the result.
class frmDlgFunction : public PropertyDialog {
    Q_OBJECT
public:
    // A fresh dialog with empty fields (placement).
    explicit frmDlgFunction(frmLists &lists, QWidget *parent = nullptr);
    // Filled from a FUNCTION block (editing).
    frmDlgFunction(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);

    // Whether a function picked by this name takes no argument (its parameter field is disabled).
    static bool takesNoArgument(const QString &functionName);

    ActionFields applyTo(const ActionFields &block) const override;

protected:
    void refillRecentLists() override;
    void recordRecentEntries() override;

private:
    QComboBox *cboxFunctionName;
    QComboBox *cboxParam1;
    QComboBox *cboxResult;
};
