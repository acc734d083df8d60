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
    return parent.isValid() ? 0 : 4;
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
        case 2:
            return m_stack.valueAt(row);
        default:
            return frameChartAt(row);
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() < 2)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return HeaderCellStyle::data(index.column() < 2, role);
}

void StackModel::update()
{
    Q_EMIT dataChanged(index(0, 1), index(CallStack::RowCount - 1, 3));
    if (m_stack.markerRow() != m_markerRow) {
        m_markerRow = m_stack.markerRow();
        Q_EMIT markerMoved(m_markerRow);
    }
}

// A call's frame starts three rows below the caller's file name (the saved PARAM, the argument
// and the result's name lie under it); the run's own frame starts at the bottom. Each frame runs
// the chart the next frame up was called from, and the topmost the chart on show.
QString StackModel::frameChartAt(int row) const
{
    const int bottom = CallStack::RowCount - 2;
    if (!m_currentChart || row < m_stack.SP() || row > bottom)
        return QString();
    std::vector<int> starts{bottom};
    for (int r = bottom; r >= m_stack.SP(); --r) {
        if (!m_stack.callerPathAt(r).isEmpty() && r + 3 <= bottom)
            starts.push_back(r + 3);
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (starts[k] != row)
            continue;
        if (k + 1 < starts.size())
            return m_stack.valueAt(starts[k + 1] - 3); // the caller's file name of the next frame
        return m_currentChart();
    }
    return QString();
}
