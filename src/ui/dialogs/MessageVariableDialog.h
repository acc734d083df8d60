#pragma once

#include "ui/dialogs/PropertyDialog.h"

class QLineEdit;

// The input and output dialogs share one form: a message and a variable name.
class MessageVariableDialog : public PropertyDialog {
    Q_OBJECT
public:
    ActionFields applyTo(const ActionFields &block) const override;

protected:
    MessageVariableDialog(frmLists &lists, const QString &title, QString actionCode,
                          QSize classicTwips, QWidget *parent);

    void fill(const ActionFields &block);
    QLineEdit *messageField() const { return txtText; }

    void refillRecentLists() override;
    void recordRecentEntries() override;

private:
    QString m_actionCode;
    QLineEdit *txtText;
    QComboBox *cboxVarName;
};
