#include "ui/runwin/frmStack.h"

#include "interp/CallStack.h"
#include "ui/guiwin/ScreenTwips.h"
#include "ui/runwin/RunGrid.h"
#include "ui/runwin/StackModel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QVBoxLayout>

frmStack::frmStack(CallStack &stack, QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_stack(stack),
      m_model(new StackModel(stack, this)),
      m_grid(new RunGrid(m_model, this))
{
    setObjectName(QStringLiteral("frmStack"));
    setWindowTitle(tr("Yığın"));
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    const TwipsScale twips = ScreenTwips::of(this);
    m_grid->setColumnWidth(0, twips.toPixelsX(500));
    m_grid->setColumnWidth(1, twips.toPixelsX(600));
    m_grid->horizontalHeader()->setStretchLastSection(true);
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
