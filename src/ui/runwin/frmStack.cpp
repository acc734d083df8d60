#include "ui/runwin/frmStack.h"

#include "interp/CallStack.h"
#include "ui/runwin/StackModel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {

int twipsToPixels(const QWidget *widget, int twips)
{
    return twips * widget->logicalDpiX() / 1440;
}

} // namespace

frmStack::frmStack(CallStack &stack, QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_stack(stack),
      m_model(new StackModel(stack, this)),
      m_grid(new QTableView(this))
{
    setObjectName(QStringLiteral("frmStack"));
    setWindowTitle(QStringLiteral("Yığın"));
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setModel(m_model);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->setColumnWidth(0, twipsToPixels(this, 500));
    m_grid->setColumnWidth(1, twipsToPixels(this, 600));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);
    resize(260, 360);
    connect(m_model, &StackModel::markerMoved, this, [this](int row) {
        if (row >= 0 && isVisible())
            m_grid->scrollTo(m_model->index(row, 1));
    });
}

void frmStack::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_model->refresh();
    if (m_stack.markerRow() >= 0)
        m_grid->scrollTo(m_model->index(m_stack.markerRow(), 1));
}

void frmStack::closeEvent(QCloseEvent *event)
{
    // The window and its grid stay for the next show.
    event->ignore();
    hide();
}
