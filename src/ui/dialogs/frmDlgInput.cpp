#include "ui/dialogs/frmDlgInput.h"

frmDlgInput::frmDlgInput(frmLists &lists, QWidget *parent)
    : MessageVariableDialog(lists, tr("Giriş"), QStringLiteral("INPUT"), QSize(3600, 1665),
                            parent)
{
}

frmDlgInput::frmDlgInput(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgInput(lists, parent)
{
    fill(block);
}
