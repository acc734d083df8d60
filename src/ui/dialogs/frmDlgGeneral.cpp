#include "ui/dialogs/frmDlgGeneral.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

frmDlgGeneral::frmDlgGeneral(frmLists &lists, QWidget *parent)
    : PropertyDialog(lists, tr("Genel Seçenekler"), parent)
{
    txtLocalVars = new QLineEdit;
    txtLocalVars->setObjectName(QStringLiteral("txtLocalVars"));

    auto *lblLocalVars = new QLabel(tr("Yerel Değişkenler:"));
    lblLocalVars->setObjectName(QStringLiteral("lblLocalVars"));
    lblLocalVars->setBuddy(txtLocalVars);
    auto *lblExample = new QLabel(tr("Örnek:   a,b,c "));
    lblExample->setObjectName(QStringLiteral("lblExample"));
    auto *lblDescription = new QLabel(tr(
        "Yerel değişkenler aktif diyagram çalıştırılmadan önce yığına kaydedilir ve diyagramın "
        "çalışması sona erdiğinde geri yüklenirler."));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto *rows = new QVBoxLayout;
    rows->addWidget(lblLocalVars);
    rows->addWidget(txtLocalVars);
    rows->addWidget(lblExample);
    rows->addSpacing(rows->spacing());
    rows->addWidget(lblDescription);
    rows->addStretch(1);
    setContent(rows, 4680, 2175, QStringLiteral("OK"));
}

frmDlgGeneral::frmDlgGeneral(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgGeneral(lists, parent)
{
    setBlockFields(block);
    txtLocalVars->setText(block.zParam1);
}

ActionFields frmDlgGeneral::applyTo(const ActionFields &block) const
{
    ActionFields fields = block;
    if (fields.zAction == QLatin1String("START"))
        fields.zParam1 = txtLocalVars->text();
    return fields;
}
