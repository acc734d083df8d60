#include "ui/dialogs/frmDlgFunction.h"

#include "ui/dialogs/frmLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

frmDlgFunction::frmDlgFunction(frmLists &lists, QWidget *parent)
    : PropertyDialog(lists, tr("Fonksiyon"), parent)
{
    cboxFunctionName = editableList(QStringLiteral("cboxFunctionName"));
    cboxParam1 = editableList(QStringLiteral("cboxParam1"));
    cboxResult = editableList(QStringLiteral("cboxResult"));

    const std::pair<QString, QComboBox *> rows[] = {
        {tr("Fonksiyon adı:"), cboxFunctionName},
        {tr("Parametreler:"), cboxParam1},
        {tr("Sonuç değişkeni:"), cboxResult},
    };
    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &[text, field] : rows) {
        auto *label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    setContent(grid, 3885, 2490);

    // Only a name picked from the list decides; typing leaves the field as it is.
    connect(cboxFunctionName, &QComboBox::activated, this, [this](int index) {
        cboxParam1->setEnabled(!takesNoArgument(cboxFunctionName->itemText(index)));
    });
}

frmDlgFunction::frmDlgFunction(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgFunction(lists, parent)
{
    setBlockFields(block);
    cboxFunctionName->setEditText(block.zParam1);
    cboxParam1->setEditText(block.zParam2);
    cboxResult->setEditText(block.zParam3);
}

bool frmDlgFunction::takesNoArgument(const QString &functionName)
{
    return QStringLiteral("E,PI,DATE,TIME,NOW,CLEAR").contains(functionName, Qt::CaseInsensitive);
}

ActionFields frmDlgFunction::applyTo(const ActionFields &block) const
{
    ActionFields fields = block;
    fields.zAction = QStringLiteral("FUNCTION");
    fields.zParam1 = cboxFunctionName->currentText();
    fields.zParam2 = cboxParam1->currentText();
    fields.zParam3 = cboxResult->currentText();
    return fields;
}

void frmDlgFunction::refillRecentLists()
{
    cboxParam1->setEnabled(true);
    recentLists().fillCombo_func(cboxFunctionName);
    recentLists().fillCombo_var_val(cboxParam1);
    recentLists().fillCombo_var_val(cboxResult);
}

void frmDlgFunction::recordRecentEntries()
{
    recentLists().addRecentFunc(cboxFunctionName->currentText());
}
