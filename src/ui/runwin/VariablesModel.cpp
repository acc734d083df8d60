#include "ui/runwin/VariablesModel.h"

#include "interp/VariableStore.h"
#include "ui/runwin/HeaderCellStyle.h"

VariablesModel::VariablesModel(VariableStore &store, QObject *parent)
    : QAbstractTableModel(parent),
      m_store(store),
      m_columns(store.columnCount()),
      m_refresher([this] { m_store.acknowledge(); }, [this] { update(); })
{
    connect(&m_store, &VariableStore::changed, &m_refresher, &ScreenRateRefresher::schedule);
}

int VariablesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

int VariablesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant VariablesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_store.columnCount())
        return QVariant();
    const bool header = index.row() == 0 || index.column() == 0;
    if (role == Qt::DisplayRole)
        return index.row() == 0 ? m_store.nameAt(index.column()) : m_store.valueAt(index.column()).text();
    return HeaderCellStyle::data(header, role);
}

void VariablesModel::update()
{
    const int columns = m_store.columnCount();
    if (columns < m_columns) {
        beginRemoveColumns(QModelIndex(), columns, m_columns - 1);
        m_columns = columns;
        endRemoveColumns();
    } else if (columns > m_columns) {
        beginInsertColumns(QModelIndex(), m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    }
    if (m_columns > 0)
        Q_EMIT dataChanged(index(0, 0), index(1, m_columns - 1));
}
