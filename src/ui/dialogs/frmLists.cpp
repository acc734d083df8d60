#include "ui/dialogs/frmLists.h"

#include <QComboBox>

namespace {

void refill(QComboBox *cbox, const RecentList &list)
{
    const QString text = cbox->currentText();
    cbox->clear();
    cbox->addItems(list.items());
    cbox->setCurrentIndex(-1);
    cbox->setEditText(text);
}

} // namespace

frmLists::frmLists() : m_functions(RecentList::withBuiltInFunctions()) {}

void frmLists::fillCombo_var_val(QComboBox *cbox) const
{
    refill(cbox, m_varsVals);
}

void frmLists::fillCombo_func(QComboBox *cbox) const
{
    refill(cbox, m_functions);
}
