#include "ui/dialogs/MessageVariableDialog.h"

#include "ui/dialogs/frmLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

MessageVariableDialog::MessageVariableDialog(frmLists &lists, const QString &title,
                                             QString actionCode, QSize classicTwips,
                                             QWidget *parent)
    : PropertyDialog(lists, title, parent), m_actionCode(std::move(actionCode))
{
    txtText = new QLineEdit;
    txtText->setObjectName(QStringLiteral("txtText"));
    cboxVarName = editableList(QStringLiteral("cboxVarName"));

    auto *message = new QLabel(tr("Mesaj:"));
    message->setBuddy(txtText);
    auto *variable = new QLabel(tr("Değişken Adı:"));
    variable->setBuddy(cboxVarName);

    auto *grid = new QGridLayout;
    grid->addWidget(message, 0, 0);
    grid->addWidget(txtText, 0, 1);
    grid->addWidget(variable, 1, 0);
    grid->addWidget(cboxVarName, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    setContent(grid, classicTwips.width(), classicTwips.height());
}

void MessageVariableDialog::fill(const ActionFields &block)
{
    setBlockFields(block);
    txtText->setText(block.zParam1);
    cboxVarName->setEditText(block.zParam2);
}

ActionFields MessageVariableDialog::applyTo(const ActionFields &block) const
{
    ActionFields fields = block;
    fields.zAction = m_actionCode;
    fields.zParam1 = txtText->text();
    fields.zParam2 = cboxVarName->currentText();
    return fields;
}

void MessageVariableDialog::refillRecentLists()
{
    recentLists().fillCombo_var_val(cboxVarName);
}

void MessageVariableDialog::recordRecentEntries()
{
    recentLists().addRecentVarVal(cboxVarName->currentText());
}
