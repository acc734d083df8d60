#pragma once

#include <QWidget>

class QTableView;
class VariableStore;
class VariablesModel;

// The variables window "Değişkenler": the grid of every variable with its value. Closing it
// by its close box only hides it.
class frmVars : public QWidget {
    Q_OBJECT
public:
    frmVars(VariableStore &store, QWidget *owner);

    VariablesModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    VariablesModel *m_model;
    QTableView *m_grid;
};
