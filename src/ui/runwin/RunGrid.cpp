#include "ui/runwin/RunGrid.h"

#include <QHeaderView>

RunGrid::RunGrid(QAbstractItemModel *model, QWidget *parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("grid"));
    setModel(model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}
