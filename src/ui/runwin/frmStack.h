#pragma once

#include <QWidget>

class CallStack;
class QTableView;
class StackModel;

// The stack window "Yığın": the 250 places of the call stack with the marker beside the top
// entry, kept in sight as it moves. Closing it by its close box only hides it.
class frmStack : public QWidget {
    Q_OBJECT
public:
    frmStack(CallStack &stack, QWidget *owner);

    StackModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    CallStack &m_stack;
    StackModel *m_model;
    QTableView *m_grid;
};
