#include "ui/runwin/VariablesModel.h"

#include <QColor>

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
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return index.row() == 0 ? m_store.nameAt(index.column()) : m_store.valueAt(index.column()).text();
    if (!header && changedSinceBaseline(index.column())) {
        if (role == Qt::BackgroundRole)
            return QColor(0xFF, 0xE0, 0x80);
        if (role == Qt::ToolTipRole)
            return tr("Son adımda değişti");
    }
    return HeaderCellStyle::data(header, role);
}

Qt::ItemFlags VariablesModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.row() == 1 && index.column() > 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool VariablesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || index.column() >= m_store.columnCount())
        return false;
    m_store.setValueAt(index.column(), Value(value.toString()));
    Q_EMIT dataChanged(index, index);
    return true;
}

void VariablesModel::takeBaseline()
{
    m_baseline.clear();
    for (int column = 0; column < m_store.columnCount(); ++column)
        m_baseline.append(m_store.valueAt(column).text());
    if (m_columns > 0)
        Q_EMIT dataChanged(index(1, 0), index(1, m_columns - 1));
}

// A variable made since the baseline has changed too.
bool VariablesModel::changedSinceBaseline(int column) const
{
    if (column <= 0 || column >= m_store.columnCount())
        return false;
    return column >= m_baseline.size() || m_baseline[column] != m_store.valueAt(column).text();
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
