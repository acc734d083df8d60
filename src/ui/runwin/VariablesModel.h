#pragma once

#include "ui/runwin/ScreenRateRefresher.h"

#include <QAbstractTableModel>
#include <QStringList>

class VariableStore;

// The variables grid: row 0 holds the names, row 1 the values, one column per variable in
// order of creation; column 0 is the header column. Row 0 and column 0 are styled as headers.
// It follows the store at screen rate, never per write. Values that changed since the baseline
// (the last step or pause) are highlighted; while editable, a value can be typed over.
class VariablesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VariablesModel(VariableStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Values now are what later changes are measured against.
    void takeBaseline();
    bool changedSinceBaseline(int column) const;
    // Values may be edited (a paused run).
    void setEditable(bool editable) { m_editable = editable; }
    bool editable() const { return m_editable; }

    // Brings the grid up to date now.
    void refresh() { m_refresher.flush(); }

private:
    void update();

    VariableStore &m_store;
    int m_columns = 0;
    QStringList m_baseline; // the values at the baseline, by column
    bool m_editable = false;
    ScreenRateRefresher m_refresher;
};
