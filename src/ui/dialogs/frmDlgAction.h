#pragma once

#include "ui/dialogs/PropertyDialog.h"

class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;

// The action dialog: assignments (page 1), arithmetic (page 2), string operations (page 3) and,
// for legacy blocks read from files, SQL (page 4, which has no tab).
class frmDlgAction : public PropertyDialog {
    Q_OBJECT
public:
    enum Page { DefinitionPage = 1, ArithmeticPage, StringsPage, SqlPage };

    // A fresh dialog: page 1, empty fields, "+" and "&" picked (placement).
    explicit frmDlgAction(frmLists &lists, QWidget *parent = nullptr);
    // Filled from the block's fields and showing the page of its action code (editing).
    frmDlgAction(frmLists &lists, const ActionFields &block, QWidget *parent = nullptr);

    Page page() const;
    void showPage(Page page);

    ActionFields applyTo(const ActionFields &block) const override;

protected:
    void refillRecentLists() override;
    void recordRecentEntries() override;
    void showEvent(QShowEvent *event) override;

private:
    struct OperationRow;

    QWidget *definitionPage();
    QWidget *operationPage(const OperationRow &row);
    QWidget *sqlPage();
    void fill(const ActionFields &block);
    QList<QComboBox *> recentFields() const;

    QTabBar *TabStrip1;
    QStackedWidget *frame;
    QComboBox *cboxVarName;
    QLineEdit *txtVarValue;
    QComboBox *cboxOperand1;
    QComboBox *cboxOperation;
    QComboBox *cboxOperand2;
    QComboBox *cboxResult;
    QComboBox *cboxString1;
    QComboBox *cboxStringOperation;
    QComboBox *cboxString2;
    QComboBox *cboxStringResult;
    QComboBox *cboxDatabase;
    QPlainTextEdit *txtSQL;
};
