#pragma once

#include "ui/runwin/ScreenRateRefresher.h"

#include <QAbstractTableModel>

class VariableStore;

// The variables grid: row 0 holds the names, row 1 the values, one column per variable in
// order of creation; column 0 is the header column. Row 0 and column 0 are styled as headers.
// It follows the store at screen rate, never per write.
class VariablesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VariablesModel(VariableStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Brings the grid up to date now.
    void refresh() { m_refresher.flush(); }

private:
    void update();

    VariableStore &m_store;
    int m_columns = 0;
    ScreenRateRefresher m_refresher;
};
