#pragma once

#include <QTableView>

class QAbstractItemModel;

// The read-only grid of the variables and stack windows: no headers of its own (the model's
// first row and column are the header cells), nothing to select or edit, never focused.
class RunGrid : public QTableView {
    Q_OBJECT
public:
    RunGrid(QAbstractItemModel *model, QWidget *parent);
};
