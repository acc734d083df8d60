#include "ui/dialogs/frmDlgAction.h"

#include "model/OperationList.h"
#include "ui/dialogs/frmLists.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

QLabel *centredLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setBuddy(buddy);
    return label;
}

QLabel *rowLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// Stored parameters keep the CR LF line breaks of the file format; the editor works with LF.
QString toStoredText(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString toEditorText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

struct frmDlgAction::OperationRow {
    QString leftLabel;
    QComboBox *left;
    QComboBox *operation;
    QString rightLabel;
    QComboBox *right;
    QComboBox *result;
};

frmDlgAction::frmDlgAction(frmLists &lists, QWidget *parent)
    : PropertyDialog(lists, tr("İşlem"), parent)
{
    TabStrip1 = new QTabBar;
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->addTab(tr("Atama"));
    TabStrip1->addTab(tr("Aritmetik İşlemler"));
    TabStrip1->addTab(tr("String İşlemleri"));

    cboxOperand1 = editableList(QStringLiteral("cboxOperand1"));
    cboxOperand2 = editableList(QStringLiteral("cboxOperand2"));
    cboxResult = editableList(QStringLiteral("cboxResult"));
    cboxString1 = editableList(QStringLiteral("cboxString1"));
    cboxString2 = editableList(QStringLiteral("cboxString2"));
    cboxStringResult = editableList(QStringLiteral("cboxStringResult"));
    cboxOperation = operatorList(OperationList::arithmetic(), QStringLiteral("cboxOperation"));
    cboxStringOperation =
        operatorList(OperationList::strings(), QStringLiteral("cboxStringOperation"));
    cboxStringOperation->setMinimumWidth(cboxOperation->sizeHint().width());

    frame = new QStackedWidget;
    frame->setObjectName(QStringLiteral("frame"));
    frame->addWidget(definitionPage());
    frame->addWidget(operationPage({tr("İşlenen 1"), cboxOperand1, cboxOperation,
                                    tr("İşlenen 2"), cboxOperand2, cboxResult}));
    frame->addWidget(operationPage({tr("String 1"), cboxString1, cboxStringOperation,
                                    tr("String 2"), cboxString2, cboxStringResult}));
    frame->addWidget(sqlPage());

    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(frame);

    auto *rows = new QVBoxLayout;
    rows->setSpacing(0);
    rows->addWidget(TabStrip1);
    rows->addWidget(panel, 1);
    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            showPage(Page(index + 1));
    });
    setContent(rows, 5385, 2925);
}

frmDlgAction::frmDlgAction(frmLists &lists, const ActionFields &block, QWidget *parent)
    : frmDlgAction(lists, parent)
{
    setBlockFields(block);
    fill(block);
}

QWidget *frmDlgAction::definitionPage()
{
    cboxVarName = editableList(QStringLiteral("cboxVarName"));
    txtVarValue = new QLineEdit;
    txtVarValue->setObjectName(QStringLiteral("txtVarValue"));

    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(rowLabel(tr("Değişken Adı:"), cboxVarName), 0, 0);
    grid->addWidget(cboxVarName, 0, 1);
    grid->addWidget(rowLabel(tr("Değer:"), txtVarValue), 1, 0);
    grid->addWidget(txtVarValue, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

// Pages 2 and 3 share one arrangement: two operands around a fixed operator list, each with its
// label centred above it, and the result below, half as wide as the page and centred.
QWidget *frmDlgAction::operationPage(const OperationRow &row)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(centredLabel(row.leftLabel, row.left), 0, 0);
    grid->addWidget(centredLabel(tr("işlem"), row.operation), 0, 1);
    grid->addWidget(centredLabel(row.rightLabel, row.right), 0, 2);
    grid->addWidget(row.left, 1, 0);
    grid->addWidget(row.operation, 1, 1);
    grid->addWidget(row.right, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowMinimumHeight(2, grid->spacing() * 2);
    grid->addWidget(centredLabel(tr("Sonuç değişkeni:"), row.result), 3, 0, 1, 3);

    auto *resultRow = new QHBoxLayout;
    resultRow->addStretch(1);
    resultRow->addWidget(row.result, 2);
    resultRow->addStretch(1);
    grid->addLayout(resultRow, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *frmDlgAction::sqlPage()
{
    cboxDatabase = editableList(QStringLiteral("cboxDatabase"));
    cboxDatabase->addItem(QStringLiteral("Project1.mdb"));
    cboxDatabase->setEditText(QString());
    txtSQL = new QPlainTextEdit(QStringLiteral("SELECT ....\n"));
    txtSQL->setObjectName(QStringLiteral("txtSQL"));
    // The text area takes what room the page has rather than making the dialog tall.
    txtSQL->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    txtSQL->setMinimumHeight(txtSQL->fontMetrics().lineSpacing() * 3);

    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(rowLabel(tr("veritabanı:"), cboxDatabase), 0, 0);
    grid->addWidget(cboxDatabase, 0, 1);
    grid->addWidget(rowLabel(tr("SQL kodu:"), txtSQL), 1, 0, 1, 2);
    grid->addWidget(txtSQL, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

frmDlgAction::Page frmDlgAction::page() const
{
    return Page(frame->currentIndex() + 1);
}

void frmDlgAction::showPage(Page page)
{
    frame->setCurrentIndex(page - 1);
    // The SQL page has no tab: the tab row would claim another page was selected.
    TabStrip1->setVisible(page != SqlPage);
    if (page != SqlPage)
        TabStrip1->setCurrentIndex(page - 1);
}

void frmDlgAction::showEvent(QShowEvent *event)
{
    PropertyDialog::showEvent(event);
    // The first field of the visible page, not the tab row, takes the typing.
    QWidget *const firstFields[] = {cboxVarName, cboxOperand1, cboxString1, cboxDatabase};
    firstFields[page() - 1]->setFocus();
}

void frmDlgAction::fill(const ActionFields &block)
{
    const int arithmetic = OperationList::arithmetic().indexOfCode(block.zAction);
    const int strings = OperationList::strings().indexOfCode(block.zAction);
    if (block.zAction == QLatin1String("DEFINITION")) {
        showPage(DefinitionPage);
        cboxVarName->setEditText(block.zParam1);
        txtVarValue->setText(block.zParam2);
    } else if (arithmetic >= 0) {
        showPage(ArithmeticPage);
        cboxOperand1->setEditText(block.zParam1);
        cboxOperand2->setEditText(block.zParam2);
        cboxOperation->setCurrentIndex(arithmetic);
        cboxResult->setEditText(block.zParam3);
    } else if (strings >= 0) {
        showPage(StringsPage);
        cboxString1->setEditText(block.zParam1);
        cboxString2->setEditText(block.zParam2);
        cboxStringOperation->setCurrentIndex(strings);
        cboxStringResult->setEditText(block.zParam3);
    } else if (block.zAction == QLatin1String("SQL")) {
        showPage(SqlPage);
        cboxDatabase->setEditText(block.zParam1);
        txtSQL->setPlainText(toEditorText(block.zParam2));
    }
}

ActionFields frmDlgAction::applyTo(const ActionFields &block) const
{
    ActionFields fields = block;
    switch (page()) {
    case DefinitionPage:
        fields.zAction = QStringLiteral("DEFINITION");
        fields.zParam1 = cboxVarName->currentText();
        fields.zParam2 = txtVarValue->text();
        break;
    case ArithmeticPage:
        fields = {OperationList::arithmetic().codeAt(cboxOperation->currentIndex()),
                  cboxOperand1->currentText(), cboxOperand2->currentText(),
                  cboxResult->currentText()};
        break;
    case StringsPage:
        fields = {OperationList::strings().codeAt(cboxStringOperation->currentIndex()),
                  cboxString1->currentText(), cboxString2->currentText(),
                  cboxStringResult->currentText()};
        break;
    case SqlPage:
        fields.zAction = QStringLiteral("SQL");
        fields.zParam1 = cboxDatabase->currentText();
        fields.zParam2 = toStoredText(txtSQL->toPlainText());
        break;
    }
    return fields;
}

QList<QComboBox *> frmDlgAction::recentFields() const
{
    return {cboxVarName, cboxOperand1, cboxOperand2, cboxResult,
            cboxString1, cboxString2,  cboxStringResult};
}

void frmDlgAction::refillRecentLists()
{
    for (QComboBox *cbox : recentFields())
        recentLists().fillCombo_var_val(cbox);
}

void frmDlgAction::recordRecentEntries()
{
    for (const QComboBox *cbox : recentFields())
        recentLists().addRecentVarVal(cbox->currentText());
}
