#include "ui/runwin/StackModel.h"

#include "interp/CallStack.h"
#include "ui/runwin/HeaderCellStyle.h"

StackModel::StackModel(CallStack &stack, QObject *parent)
    : QAbstractTableModel(parent),
      m_stack(stack),
      m_markerRow(stack.markerRow()),
      m_refresher([this] { m_stack.acknowledge(); }, [this] { update(); })
{
    connect(&m_stack, &CallStack::changed, &m_refresher, &ScreenRateRefresher::schedule);
}

int StackModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CallStack::RowCount;
}

int StackModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant StackModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row();
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return QString::number(row);
        case 1:
            return row == m_stack.markerRow() ? QStringLiteral("SP >") : QString();
        default:
            return m_stack.valueAt(row);
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() < 2)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return HeaderCellStyle::data(index.column() < 2, role);
}

void StackModel::update()
{
    Q_EMIT dataChanged(index(0, 1), index(CallStack::RowCount - 1, 2));
    if (m_stack.markerRow() != m_markerRow) {
        m_markerRow = m_stack.markerRow();
        Q_EMIT markerMoved(m_markerRow);
    }
}
