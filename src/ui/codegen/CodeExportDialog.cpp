#include "ui/codegen/CodeExportDialog.h"

#include "ui/codegen/ChartCode.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const char *const LanguageKey = "codeExport/language";

QString filterOf(CodeExport::Language language)
{
    switch (language) {
    case CodeExport::C:
        return QCoreApplication::translate("CodeExportDialog", "C Kaynak Dosyası (*.c)");
    case CodeExport::Java:
        return QCoreApplication::translate("CodeExportDialog", "Java Kaynak Dosyası (*.java)");
    default:
        return QCoreApplication::translate("CodeExportDialog", "Python Programı (*.py)");
    }
}

} // namespace

CodeExportDialog::CodeExportDialog(const EditedChart &chart, QWidget *parent)
    : QDialog(parent), m_chart(chart), m_language(new QComboBox(this)), m_preview(new QPlainTextEdit(this)),
      m_problem(new QLabel(this)), m_save(new QPushButton(tr("Kaydet..."), this))
{
    setObjectName(QStringLiteral("codeExportDialog"));
    setWindowTitle(tr("Kod Olarak Dışa Aktar"));
    m_language->addItem(QStringLiteral("Python 3"), int(CodeExport::Python));
    m_language->addItem(QStringLiteral("C (C11)"), int(CodeExport::C));
    m_language->addItem(QStringLiteral("Java"), int(CodeExport::Java));
    m_language->setToolTip(tr("Şemanın ve çağırdığı şemaların yazılacağı programlama dili"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problem->hide();
    m_save->setToolTip(tr("Kodu bir dosyaya kaydeder"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Dil:"), m_language);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_save, QDialogButtonBox::AcceptRole);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(760, 560);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &CodeExportDialog::askAndSave);
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        QSettings().setValue(QLatin1String(LanguageKey), CodeExport::fileExtension(language()));
        showPreview();
    });
    const QString saved = QSettings().value(QLatin1String(LanguageKey)).toString();
    const int index = m_language->findData(int(CodeExport::languageNamed(saved == u"py" ? QStringLiteral("python") : saved)
                                                   .value_or(CodeExport::Python)));
    const QSignalBlocker quiet(m_language);
    m_language->setCurrentIndex(qMax(0, index));
    showPreview();
}

CodeExport::Language CodeExportDialog::language() const
{
    return CodeExport::Language(m_language->currentData().toInt());
}

void CodeExportDialog::setLanguage(CodeExport::Language language)
{
    m_language->setCurrentIndex(m_language->findData(int(language)));
}

void CodeExportDialog::showPreview()
{
    CodeExport code;
    QString error;
    const bool made = ChartCode::make(m_chart, language(), code, error, QFileInfo(suggestedPath()).completeBaseName());
    m_preview->setPlainText(made ? code.code() : QString());
    m_problem->setText(error);
    m_problem->setVisible(!made);
    m_preview->setVisible(made);
    m_save->setEnabled(made);
}

QString CodeExportDialog::suggestedPath() const
{
    const QFileInfo chart(m_chart.path);
    const QString folder = m_chart.path.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : chart.absolutePath();
    const QString base = m_chart.path.isEmpty() ? tr("Adsız") : chart.completeBaseName();
    return folder + u'/' + base + u'.' + CodeExport::fileExtension(language());
}

void CodeExportDialog::askAndSave()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Kodu Kaydet"), suggestedPath(),
                                                      filterOf(language()));
    if (path.isEmpty())
        return;
    QString failure;
    if (!saveTo(path, failure)) {
        QMessageBox::warning(this, windowTitle(), failure);
        return;
    }
    accept();
}

bool CodeExportDialog::saveTo(const QString &path, QString &failure)
{
    CodeExport code;
    if (!ChartCode::make(m_chart, language(), code, failure, QFileInfo(path).completeBaseName()))
        return false;
    const QByteArray bytes = code.code().toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        failure = tr("Kod kaydedilemedi: ") + QDir::toNativeSeparators(path) + u'\n' + file.errorString();
        return false;
    }
    return true;
}
