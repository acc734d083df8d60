#include "ui/shell/frmMakeExecutable.h"

#include "shell/AppVersion.h"
#include "shell/MakeExecutable.h"
#include "ui/dialogs/OpenFileDialog.h"
#include "ui/shell/AppIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

void nameField(QWidget *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
}

} // namespace

frmMakeExecutable::frmMakeExecutable(QWidget *owner, QString programPath)
    : QDialog(owner)
    , m_programPath(std::move(programPath))
{
    setWindowTitle(tr("EXE Dosya Oluşturma"));
    setWindowIcon(owner && !owner->windowIcon().isNull() ? owner->windowIcon() : AppIcon::icon());
    setModal(true);
    buildWidgets();
    connect(cmdGetStartFlow, &QPushButton::clicked, this, &frmMakeExecutable::cmdGetStartFlow_Click);
    connect(cmdMake, &QPushButton::clicked, this, &frmMakeExecutable::cmdMake_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMakeExecutable::setStartUpFlow(const QString &path)
{
    txtStartUpFlow->setText(path);
}

QString frmMakeExecutable::startUpFlow() const
{
    return txtStartUpFlow->text();
}

void frmMakeExecutable::buildWidgets()
{
    lblStartUpFlow = new QLabel(tr("Başlangıç diyagramını seçiniz:"), this);
    nameField(lblStartUpFlow, "lblStartUpFlow");
    txtStartUpFlow = new QLineEdit(this);
    nameField(txtStartUpFlow, "txtStartUpFlow");
    txtStartUpFlow->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    lblStartUpFlow->setBuddy(txtStartUpFlow);
    cmdGetStartFlow = new QPushButton(QStringLiteral("..."), this);
    nameField(cmdGetStartFlow, "cmdGetStartFlow");
    cmdGetStartFlow->setToolTip(tr("Gözat"));
    cmdGetStartFlow->setFixedWidth(cmdGetStartFlow->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    cmdMake = new QPushButton(tr("Oluştur"), this);
    nameField(cmdMake, "cmdMake");
    cmdMake->setDefault(true);
    cmdCancel = new QPushButton(tr("İptal"), this);
    nameField(cmdCancel, "cmdCancel");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdMake);
    buttons->addWidget(cmdCancel);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblStartUpFlow, 0, 0, 1, 2);
    layout->addWidget(txtStartUpFlow, 1, 0);
    layout->addWidget(cmdGetStartFlow, 1, 1);
    layout->setRowMinimumHeight(2, fontMetrics().lineSpacing() / 2);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QString frmMakeExecutable::programFolder() const
{
    return MakeExecutable::proposedFolder(QFileInfo(m_programPath).absolutePath());
}

void frmMakeExecutable::cmdGetStartFlow_Click()
{
    OpenFileDialog dialog(this, tr("Başlangıç Diyagramı"), programFolder(),
                          tr("Varnel Projeleri (*.vnp);;Tüm Dosyalar (*)"));
    const QString chosen = dialog.chosenFile();
    if (!chosen.isEmpty())
        txtStartUpFlow->setText(chosen);
}

QString frmMakeExecutable::askForTarget()
{
    const QString proposed = QDir(programFolder()).filePath(MakeExecutable::proposedName());
    return QFileDialog::getSaveFileName(this, tr("EXE Dosyası"), proposed,
                                        tr("Tüm Dosyalar (*)"));
}

void frmMakeExecutable::cmdMake_Click()
{
    const QString flow = txtStartUpFlow->text().trimmed();
    if (flow.isEmpty()) {
        showMessage(MakeExecutable::emptyFlowMessage(), false);
        return;
    }
    const QString target = askForTarget();
    if (target.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const MakeExecutable::Result result = MakeExecutable(m_programPath).make(flow, target);
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        showMessage(result.error, true);
        return;
    }
    showMessage(MakeExecutable::noticeText(target), false);
    accept();
}

// The standard message box; CR LF line ends become the single line breaks a label shows.
void frmMakeExecutable::showMessage(const QString &text, bool failure)
{
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString title = AppVersion::applicationTitle();
    if (failure)
        QMessageBox::critical(this, title, shown);
    else
        QMessageBox::information(this, title, shown);
}
