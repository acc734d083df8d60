#pragma once

#include "ui/runwin/ScreenRateRefresher.h"

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <vector>

class CallStack;

// The stack grid: one row per stack place (0 to 249), the row number, the "SP >" marker beside
// the top entry and the entry's value. The first two columns are styled as headers. It
// follows the stack at screen rate, never per push. A fourth column names, at the first row of
// each call's frame, the chart that call runs.
class StackModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StackModel(CallStack &stack, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void refresh() { m_refresher.flush(); }
    // The file name of the chart on show, which the topmost frame runs.
    void setCurrentChart(std::function<QString()> currentChart) { m_currentChart = std::move(currentChart); }
    // The chart named beside this row; empty for rows that start no frame.
    QString frameChartAt(int row) const;

Q_SIGNALS:
    // The marker moved to this row (after a refresh), so the view can keep it in sight.
    void markerMoved(int row);

private:
    void update();

    CallStack &m_stack;
    int m_markerRow = -1;
    std::function<QString()> m_currentChart;
    ScreenRateRefresher m_refresher;
};
