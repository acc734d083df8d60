#include "ui/dialogs/frmDlgOutput.h"

#include <QLineEdit>

frmDlgOutput::frmDlgOutput(frmLists &lists, QWidget *parent)
    : MessageVariableDialog(lists, tr("Çıkış"), QStringLiteral("OUTPUT"), QSize(3675, 1680),
                            parent)
{
    // Printed text is shown as it will look on the console's proportional font.
    QFont sans(QStringLiteral("Sans Serif"));
    sans.setStyleHint(QFont::SansSerif);
    sans.setPointSizeF(messageField()->font().pointSizeF());
    messageField()->setFont(sans);
}

frmDlgOutput::frmDlgOutput(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgOutput(lists, parent)
{
    fill(block);
}
