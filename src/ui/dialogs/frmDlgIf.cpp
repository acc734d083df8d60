#include "ui/dialogs/frmDlgIf.h"

#include "model/OperationList.h"
#include "ui/dialogs/frmLists.h"

#include <QComboBox>
#include <QHBoxLayout>

frmDlgIf::frmDlgIf(frmLists &lists, QWidget *parent)
    : PropertyDialog(lists, tr("Karşılaştırma"), parent)
{
    cboxOperand1 = editableList(QStringLiteral("cboxOperand1"));
    cboxOperation = operatorList(OperationList::comparison(), QStringLiteral("cboxOperation"));
    cboxOperand2 = editableList(QStringLiteral("cboxOperand2"));

    auto *row = new QHBoxLayout;
    row->addWidget(cboxOperand1, 1);
    row->addWidget(cboxOperation);
    row->addWidget(cboxOperand2, 1);
    auto *rows = new QVBoxLayout;
    rows->addLayout(row);
    rows->addStretch(1);
    setContent(rows, 4635, 1185);
}

frmDlgIf::frmDlgIf(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgIf(lists, parent)
{
    setBlockFields(block);
    cboxOperand1->setEditText(block.zParam1);
    cboxOperand2->setEditText(block.zParam2);
    const int index = OperationList::comparison().indexOfCode(block.zAction);
    if (index >= 0)
        cboxOperation->setCurrentIndex(index);
}

ActionFields frmDlgIf::applyTo(const ActionFields &block) const
{
    ActionFields fields = block;
    fields.zAction = OperationList::comparison().codeAt(cboxOperation->currentIndex());
    fields.zParam1 = cboxOperand1->currentText();
    fields.zParam2 = cboxOperand2->currentText();
    return fields;
}

void frmDlgIf::refillRecentLists()
{
    recentLists().fillCombo_var_val(cboxOperand1);
    recentLists().fillCombo_var_val(cboxOperand2);
}
