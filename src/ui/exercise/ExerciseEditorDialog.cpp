#include "ui/exercise/ExerciseEditorDialog.h"

#include "exercise/ExerciseReader.h"
#include "exercise/ExerciseWriter.h"
#include "exercise/ReferenceFill.h"
#include "ui/exercise/LinesDelegate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The compare modes in the order of CompareMode.
const char *const compareCaptions[] = {
    QT_TRANSLATE_NOOP("ExerciseEditorDialog", "birebir"),
    QT_TRANSLATE_NOOP("ExerciseEditorDialog", "baş/son boşluklar hariç"),
    QT_TRANSLATE_NOOP("ExerciseEditorDialog", "büyük/küçük harf hariç"),
    QT_TRANSLATE_NOOP("ExerciseEditorDialog", "sayılar değerce"),
};

QStringList linesOf(const QString &cell)
{
    return cell.isEmpty() ? QStringList() : cell.split(u'\n');
}

QPushButton *button(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ExerciseEditorDialog::ExerciseEditorDialog(QWidget *parent)
    : QDialog(parent), m_title(new QLineEdit(this)), m_text(new QPlainTextEdit(this)), m_locale(new QLineEdit(this)),
      m_maxBlocks(new QSpinBox(this)), m_seconds(new QDoubleSpinBox(this)), m_tests(new QTableWidget(0, ColumnCount, this))
{
    setObjectName(QStringLiteral("exerciseEditor"));
    setWindowTitle(tr("Alıştırma Düzenleyici"));
    m_text->setPlaceholderText(tr("Öğrencinin okuyacağı metin (Markdown: **kalın**, `kod`, listeler)"));
    m_maxBlocks->setRange(1, 2'000'000'000);
    m_maxBlocks->setGroupSeparatorShown(true);
    m_seconds->setRange(0.1, 86400);
    m_seconds->setDecimals(1);
    m_seconds->setSuffix(tr(" sn"));
    m_tests->setHorizontalHeaderLabels({tr("Ad"), tr("Girdi Satırları"),
                                        tr("Beklenen Satırlar"), tr("Gizli"),
                                        tr("Karşılaştırma")});
    m_tests->horizontalHeader()->setSectionResizeMode(Input, QHeaderView::Stretch);
    m_tests->horizontalHeader()->setSectionResizeMode(Expected, QHeaderView::Stretch);
    m_tests->horizontalHeader()->setSectionResizeMode(Hidden, QHeaderView::ResizeToContents);
    m_tests->horizontalHeader()->setSectionResizeMode(Compare, QHeaderView::ResizeToContents);
    m_tests->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *lines = new LinesDelegate(m_tests);
    m_tests->setItemDelegateForColumn(Input, lines);
    m_tests->setItemDelegateForColumn(Expected, lines);

    auto *form = new QFormLayout;
    form->addRow(tr("&Başlık:"), m_title);
    form->addRow(tr("&Metin:"), m_text);
    auto *limits = new QHBoxLayout;
    limits->addWidget(m_maxBlocks);
    limits->addWidget(m_seconds);
    limits->addWidget(m_locale);
    form->addRow(tr("Sınırlar (blok, süre, bölge):"), limits);
    m_maxBlocks->setToolTip(tr("Bir testte çalışabilecek en çok blok sayısı"));
    m_seconds->setToolTip(tr("Bir testin en uzun süresi"));
    m_locale->setToolTip(tr("Sayıların okunup yazıldığı bölgesel ayarlar (tr_TR, en_US...)"));

    auto *add = button(tr("Test &Ekle"), tr("Tabloya yeni bir test ekler"), this);
    auto *remove = button(tr("Testi &Sil"), tr("Seçili testi tablodan siler"), this);
    auto *fill = button(tr("Örnek Çözümden &Doldur..."),
                        tr("Bir örnek çözüm şemasını her testle çalıştırır ve beklenen satırları onun çıktısıyla doldurur"), this);
    auto *testButtons = new QHBoxLayout;
    testButtons->addWidget(add);
    testButtons->addWidget(remove);
    testButtons->addStretch();
    testButtons->addWidget(fill);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_tests, 1);
    layout->addLayout(testButtons);
    layout->addWidget(buttons);
    resize(820, 620);

    connect(add, &QPushButton::clicked, this, &ExerciseEditorDialog::addTest);
    connect(remove, &QPushButton::clicked, this, &ExerciseEditorDialog::removeTest);
    connect(fill, &QPushButton::clicked, this, &ExerciseEditorDialog::askReference);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExerciseEditorDialog::askAndSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    Exercise fresh;
    fresh.tests.append(ExerciseTest{tr("test %1").arg(1), {}, {}, false, false, CompareMode::Exact});
    setExercise(fresh, QString());
}

void ExerciseEditorDialog::setExercise(const Exercise &exercise, const QString &path)
{
    m_path = path;
    m_title->setText(exercise.title);
    m_text->setPlainText(exercise.text);
    m_locale->setText(exercise.locale);
    m_maxBlocks->setValue(int(qMin<qint64>(exercise.maxBlocks, m_maxBlocks->maximum())));
    m_seconds->setValue(exercise.seconds);
    m_tests->setRowCount(0);
    for (const ExerciseTest &test : exercise.tests) {
        m_tests->insertRow(m_tests->rowCount());
        setRow(m_tests->rowCount() - 1, test);
    }
}

void ExerciseEditorDialog::setRow(int row, const ExerciseTest &test)
{
    auto *name = new QTableWidgetItem(test.name);
    name->setData(Qt::UserRole, test.wholeTranscript);
    m_tests->setItem(row, Name, name);
    m_tests->setItem(row, Input, new QTableWidgetItem(test.input.join(u'\n')));
    m_tests->setItem(row, Expected, new QTableWidgetItem(test.expected.join(u'\n')));
    auto *hidden = new QTableWidgetItem;
    hidden->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    hidden->setCheckState(test.hidden ? Qt::Checked : Qt::Unchecked);
    m_tests->setItem(row, Hidden, hidden);
    auto *compare = new QComboBox(m_tests);
    for (const char *caption : compareCaptions)
        compare->addItem(tr(caption));
    compare->setCurrentIndex(int(test.compare));
    m_tests->setCellWidget(row, Compare, compare);
}

ExerciseTest ExerciseEditorDialog::rowTest(int row) const
{
    ExerciseTest test;
    test.name = m_tests->item(row, Name)->text().trimmed();
    test.wholeTranscript = m_tests->item(row, Name)->data(Qt::UserRole).toBool();
    test.input = linesOf(m_tests->item(row, Input)->text());
    test.expected = linesOf(m_tests->item(row, Expected)->text());
    test.hidden = m_tests->item(row, Hidden)->checkState() == Qt::Checked;
    test.compare = CompareMode(static_cast<QComboBox *>(m_tests->cellWidget(row, Compare))->currentIndex());
    return test;
}

Exercise ExerciseEditorDialog::exercise() const
{
    Exercise exercise;
    exercise.title = m_title->text().trimmed();
    exercise.text = m_text->toPlainText();
    exercise.locale = m_locale->text().trimmed();
    exercise.maxBlocks = m_maxBlocks->value();
    exercise.seconds = m_seconds->value();
    for (int row = 0; row < m_tests->rowCount(); ++row)
        exercise.tests.append(rowTest(row));
    return exercise;
}

void ExerciseEditorDialog::addTest()
{
    const int row = m_tests->rowCount();
    m_tests->insertRow(row);
    setRow(row, ExerciseTest{tr("test %1").arg(row + 1), {}, {}, false, false, CompareMode::Exact});
    m_tests->setCurrentCell(row, Name);
}

void ExerciseEditorDialog::removeTest()
{
    if (m_tests->currentRow() >= 0)
        m_tests->removeRow(m_tests->currentRow());
}

QStringList ExerciseEditorDialog::fillFromReference(const QString &referencePath)
{
    Exercise filled = exercise();
    const QStringList problems = ReferenceFill::fill(filled, referencePath);
    for (int row = 0; row < m_tests->rowCount(); ++row)
        m_tests->item(row, Expected)->setText(filled.tests[row].expected.join(u'\n'));
    return problems;
}

void ExerciseEditorDialog::askReference()
{
    const QString reference = QFileDialog::getOpenFileName(
        this, tr("Örnek Çözüm Şeması"), m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath(),
        tr("Varnel Şemaları (*.vnp)"));
    if (reference.isEmpty())
        return;
    const QStringList problems = fillFromReference(reference);
    if (!problems.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Örnek çözüm bu testleri bitiremedi; beklenen satırları değişmedi:") + u'\n'
                                 + problems.join(u'\n'));
    }
}

bool ExerciseEditorDialog::saveTo(const QString &path, QString &failure)
{
    const Exercise current = exercise();
    ExerciseReader reader;
    if (!reader.parse(ExerciseWriter::toJson(current), QFileInfo(path).fileName())) {
        failure = QStringLiteral("Alıştırma kaydedilemedi; dosyada şu hatalar olurdu:") + u'\n' + reader.message();
        return false;
    }
    if (!ExerciseWriter::writeFile(path, current, failure))
        return false;
    m_path = path;
    return true;
}

void ExerciseEditorDialog::askAndSave()
{
    QString path = m_path;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(this, tr("Alıştırmayı Kaydet"), QString(),
                                            tr("Varnel Alıştırmaları (*.vnx)"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".vnx"), Qt::CaseInsensitive))
            path += QStringLiteral(".vnx");
    }
    QString failure;
    if (!saveTo(path, failure)) {
        QMessageBox::warning(this, windowTitle(), failure);
        return;
    }
    accept();
}
