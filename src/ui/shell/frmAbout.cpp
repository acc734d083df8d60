#include "ui/shell/frmAbout.h"

#include "shell/AppVersion.h"
#include "shell/WebLinks.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/LinkLabel.h"
#include "ui/shell/openURL.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void nameControl(QWidget *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
}

} // namespace

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(AppVersion::applicationTitle());
    setWindowIcon(owner && !owner->windowIcon().isNull() ? owner->windowIcon() : AppIcon::icon());
    setModal(true);
    setMouseTracking(true);
    buildWidgets();
    connect(lblURL, &LinkLabel::clicked, this, &frmAbout::lblURL_Click);
    connect(lblEmail, &LinkLabel::clicked, this, &frmAbout::lblEmail_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(cmdCheckForUpdate, &QPushButton::clicked, this, &frmAbout::cmdCheckForUpdate_Click);
}

QString frmAbout::disclaimerText()
{
    return tr(
        "Uyarı: Bu program olduğu gibi, açık ya da örtük hiçbir garanti verilmeden sunulur; "
        "belirli bir amaca uygunluğu ve satılabilirliği dahil hiçbir konuda güvence verilmez. "
        "Programın kullanımından ya da kullanılamamasından doğan veri kaybı dahil hiçbir "
        "zarardan yazarları ve dağıtanları sorumlu tutulamaz. Programı kullanan bu koşulları "
        "kabul etmiş sayılır.");
}

void frmAbout::buildWidgets()
{
    txtDisclaimer = new QPlainTextEdit(disclaimerText(), this);
    nameControl(txtDisclaimer, "txtDisclaimer");
    txtDisclaimer->setReadOnly(true);
    txtDisclaimer->setFocusPolicy(Qt::NoFocus);
    // Wide and tall enough to show the whole text without scrolling.
    txtDisclaimer->setFixedWidth(txtDisclaimer->fontMetrics().averageCharWidth() * 70);
    txtDisclaimer->setFixedHeight(txtDisclaimer->fontMetrics().lineSpacing() * 8);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeader());
    layout->addWidget(txtDisclaimer);
    layout->addLayout(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout *frmAbout::buildHeader()
{
    picIcon = new QLabel(this);
    nameControl(picIcon, "picIcon");
    picIcon->setPixmap(windowIcon().pixmap(QSize(64, 64)));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(AppVersion::applicationTitle(), this);
    nameControl(lblTitle, "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(tr("sürüm ") + AppVersion::current(), this);
    nameControl(lblVersion, "lblVersion");
    lblURL = new LinkLabel(WebLinks::productPage(), this);
    nameControl(lblURL, "lblURL");
    lblEmail = new LinkLabel(WebLinks::supportAddress(), this);
    nameControl(lblEmail, "lblEmail");

    auto *links = new QGridLayout;
    links->addWidget(new QLabel(tr("web adresi:"), this), 0, 0);
    links->addWidget(lblURL, 0, 1);
    links->addWidget(new QLabel(tr("e-posta:"), this), 1, 0);
    links->addWidget(lblEmail, 1, 1);
    if (!WebLinks::repositoryPage().isEmpty()) {
        lblRepository = new LinkLabel(WebLinks::repositoryPage(), this);
        nameControl(lblRepository, "lblRepository");
        connect(lblRepository, &LinkLabel::clicked, this, &frmAbout::lblRepository_Click);
        links->addWidget(new QLabel(tr("kaynak kodu:"), this), 2, 0);
        links->addWidget(lblRepository, 2, 1);
    }
    links->setColumnStretch(1, 1);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(fontMetrics().lineSpacing());
    text->addLayout(links);

    auto *header = new QHBoxLayout;
    header->addWidget(picIcon);
    header->addSpacing(fontMetrics().averageCharWidth() * 2);
    header->addLayout(text, 1);
    return header;
}

QLayout *frmAbout::buildButtons()
{
    cmdOK = new QPushButton(tr("Tamam"), this);
    nameControl(cmdOK, "cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("Sistem Bilgisi..."), this);
    nameControl(cmdSysInfo, "cmdSysInfo");
    cmdCheckForUpdate = new QPushButton(tr("Güncelleştirme Kontrolü!"), this);
    nameControl(cmdCheckForUpdate, "cmdCheckForUpdate");

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdCheckForUpdate);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    return buttons;
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        clearUnderlines();
    QDialog::changeEvent(event);
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    clearUnderlines();
    QDialog::mouseMoveEvent(event);
}

void frmAbout::clearUnderlines()
{
    for (LinkLabel *link : {lblURL, lblEmail, lblRepository}) {
        if (link)
            link->setUnderlined(false);
    }
}

void frmAbout::lblURL_Click()
{
    openURLOrWarn(WebLinks::productPage(), this);
}

void frmAbout::lblEmail_Click()
{
    openURL(QStringLiteral("mailto:") + WebLinks::supportAddress());
}

void frmAbout::lblRepository_Click()
{
    openURLOrWarn(WebLinks::repositoryPage(), this);
}

void frmAbout::cmdSysInfo_Click()
{
    if (!m_systemInfo.start())
        QMessageBox::information(this, AppVersion::applicationTitle(), SystemInfoTool::unavailableMessage());
}

void frmAbout::cmdCheckForUpdate_Click()
{
    openURLOrWarn(WebLinks::productPage(), this, QStringLiteral("Cannot open "));
}
