#include "ui/guiwin/frmJavaTest.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "guiwin/JavaExport.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmJavaTest::frmJavaTest(std::optional<WindowParams> params, DesignerContext context, QWidget *parent)
    : QDialog(parent)
    , m_params(std::move(params))
    , m_context(std::move(context))
{
    if (m_context.programFolder.isEmpty())
        m_context.programFolder = QCoreApplication::applicationDirPath();
    setWindowTitle(QStringLiteral("Java Test"));
    setObjectName(QStringLiteral("frmJavaTest"));
    auto *column = new QVBoxLayout(this);
    auto *frame = new QGroupBox;
    auto *inFrame = new QVBoxLayout(frame);
    inFrame->setSpacing(inFrame->spacing() * 2);
    auto *notice = new QLabel(
        tr(" !!!!!!!         dosya aynı klasörde yer alacak         !!!!!!!!    "));
    notice->setAlignment(Qt::AlignCenter);
    inFrame->addWidget(notice);
    m_lblFolder = new QLabel(targetFolder());
    m_lblFolder->setObjectName(QStringLiteral("lblFolder"));
    m_lblFolder->setAlignment(Qt::AlignCenter);
    m_lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblFolder->setForegroundRole(QPalette::PlaceholderText);
    inFrame->addWidget(m_lblFolder);
    column->addWidget(frame);
    auto *buttons = new QHBoxLayout;
    auto *cmdMake = new QPushButton(tr("GuiTest.java Dosyasını Oluştur"));
    cmdMake->setObjectName(QStringLiteral("cmdMake"));
    cmdMake->setDefault(true);
    auto *cmdClose = new QPushButton(tr("Kapat"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addStretch();
    buttons->addWidget(cmdMake);
    buttons->addWidget(cmdClose);
    column->addLayout(buttons);
    connect(cmdMake, &QPushButton::clicked, this, &frmJavaTest::make);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmJavaTest::targetFolder() const
{
    return JavaExport::targetFolder(m_context.programFolder, m_context.projectFolder);
}

// The height a title bar and borders add to a window, as this dialog has them.
int frmJavaTest::frameExtraPixels() const
{
    return frameGeometry().height() - geometry().height();
}

QString frmJavaTest::make()
{
    if (!m_params) {
        m_context.log->mBox(tr("Nesne seçilideğil!"));
        return QString();
    }
    const TwipsScale scale = ScreenTwips::of(this);
    const JavaExport exporter(scale.twipsPerPixelX(), scale.twipsPerPixelY(), frameExtraPixels());
    const QString folder = targetFolder();
    const QString path = folder + JavaExport::fileName;
    const QString error = JavaExport::write(path, exporter.source(m_params->zParam1, m_params->zParam2));
    if (!error.isEmpty()) {
        m_context.log->mBox(JavaExport::failure(path, error));
        return QString();
    }
    const bool programFolder = folder == Paths::AddSlash(m_context.programFolder);
    m_context.log->mBox(JavaExport::notice(folder, programFolder));
    accept();
    return path;
}
