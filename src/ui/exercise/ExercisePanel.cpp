#include "ui/exercise/ExercisePanel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString quotedLine(const std::optional<QString> &line)
{
    return line ? u'“' + *line + u'”' : QCoreApplication::translate("ExercisePanel", "(satır yok)");
}

} // namespace

ExercisePanel::ExercisePanel(QWidget *parent)
    : QWidget(parent), m_title(new QLabel(this)), m_text(new QTextBrowser(this)), m_tests(new QTreeWidget(this)),
      m_checkButton(new QPushButton(tr("Kontrol Et"), this)), m_progress(new QProgressBar(this)),
      m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("exercisePanel"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    m_title->setFont(titleFont);
    m_title->setWordWrap(true);
    m_text->setOpenExternalLinks(true);
    m_tests->setColumnCount(4);
    m_tests->setHeaderLabels({tr("Sonuç"), tr("Test"), tr("Girdi"), tr("Beklenen Çıktı")});
    m_tests->setRootIsDecorated(false);
    m_tests->setWordWrap(true);
    m_tests->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_checkButton->setToolTip(tr("Şemayı alıştırmanın bütün testleriyle çalıştırır; hiçbir şey kaydedilmez (Ctrl+T)"));
    m_progress->setFormat(tr("%v/%m test"));
    m_progress->hide();
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_text, 2);
    layout->addWidget(m_tests, 2);
    layout->addWidget(m_checkButton);
    layout->addWidget(m_progress);
    layout->addWidget(m_summary);

    connect(m_checkButton, &QPushButton::clicked, this, &ExercisePanel::check);
    connect(&m_check, &ExerciseCheck::testFinished, this, &ExercisePanel::testFinished);
    connect(&m_check, &ExerciseCheck::finished, this, &ExercisePanel::checkFinished);
    m_checkButton->setEnabled(false);
    m_title->setText(tr("Alıştırma yok"));
    m_text->setMarkdown(tr("Bir alıştırma açmak için **Dosya > Alıştırma Aç...** komutunu kullanın."));
}

void ExercisePanel::setExercise(const Exercise &exercise, const QString &path)
{
    m_check.cancel();
    m_exercise = exercise;
    m_path = path;
    m_title->setText(exercise.title);
    m_text->setMarkdown(exercise.text);
    m_checkButton->setEnabled(true);
    m_results = QList<std::optional<TestResult>>(exercise.tests.size());
    showTests();
    clearMarks();
}

void ExercisePanel::showTests()
{
    m_tests->clear();
    for (const ExerciseTest &test : m_exercise->tests) {
        if (test.hidden)
            continue;
        auto *item = new QTreeWidgetItem(m_tests);
        item->setText(1, test.name);
        item->setText(2, test.input.join(u'\n'));
        item->setText(3, test.expected.join(u'\n'));
    }
}

void ExercisePanel::clearMarks()
{
    for (int i = 0; i < m_tests->topLevelItemCount(); ++i) {
        m_tests->topLevelItem(i)->setText(0, QString());
        m_tests->topLevelItem(i)->setToolTip(0, QString());
    }
    for (std::optional<TestResult> &result : m_results)
        result.reset();
    m_summary->clear();
}

void ExercisePanel::check()
{
    if (!m_exercise || !m_source)
        return;
    clearMarks();
    const EditedChart chart = m_source();
    m_progress->setRange(0, int(m_exercise->tests.size()));
    m_progress->setValue(0);
    m_progress->show();
    m_summary->setText(tr("Kontrol ediliyor..."));
    m_check.start(*m_exercise, chart.path, chart.bytes);
    Q_EMIT checkingChanged(true);
}

void ExercisePanel::chartEdited()
{
    if (m_check.isRunning()) {
        m_check.cancel();
        clearMarks();
        m_summary->setText(QStringLiteral("Şema değişti; kontrol durduruldu."));
    }
}

void ExercisePanel::testFinished(int index, const TestResult &result)
{
    m_results[index] = result;
    m_progress->setValue(m_progress->value() + 1);
    if (result.hidden)
        return;
    int row = 0;
    for (int i = 0; i < index; ++i)
        row += m_exercise->tests[i].hidden ? 0 : 1;
    QTreeWidgetItem *item = m_tests->topLevelItem(row);
    item->setText(0, result.passed() ? QStringLiteral("✓") : QStringLiteral("✗"));
    item->setForeground(0, result.passed() ? QColor(0, 128, 0) : QColor(192, 0, 0));
    item->setToolTip(0, result.passed() ? tr("geçti") : result.reason);
}

void ExercisePanel::checkFinished(bool cancelled)
{
    m_progress->hide();
    if (!cancelled)
        m_summary->setText(summaryText());
    Q_EMIT checkingChanged(false);
}

QString ExercisePanel::summaryText() const
{
    int visible = 0, visiblePassed = 0, hidden = 0, hiddenPassed = 0;
    const TestResult *firstFailure = nullptr;
    for (const std::optional<TestResult> &result : m_results) {
        if (!result)
            continue;
        (result->hidden ? hidden : visible) += 1;
        (result->hidden ? hiddenPassed : visiblePassed) += result->passed() ? 1 : 0;
        if (!result->hidden && !result->passed() && !firstFailure)
            firstFailure = &*result;
    }
    QString text = tr("Görünen testler: %1/%2 geçti.").arg(visiblePassed).arg(visible);
    if (hidden > 0)
        text += tr(" Gizli testler: %1/%2 geçti.").arg(hiddenPassed).arg(hidden);
    if (firstFailure)
        text += u'\n' + differenceText(*firstFailure);
    else if (visiblePassed + hiddenPassed == visible + hidden)
        text += tr("\nBütün testler geçti.");
    return text;
}

QString ExercisePanel::differenceText(const TestResult &result)
{
    if (!result.difference)
        return tr("“%1” testi geçmedi: %2").arg(result.name, result.reason);
    return tr("“%1” testinde ilk fark, satır %2: beklenen %3, gelen %4")
        .arg(result.name, QString::number(result.difference->line), quotedLine(result.difference->expected),
             quotedLine(result.difference->got));
}
