#include "ui/runwin/frmVars.h"

#include "ui/runwin/RunGrid.h"
#include "ui/runwin/VariablesModel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QVBoxLayout>

frmVars::frmVars(VariableStore &store, QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_model(new VariablesModel(store, this)),
      m_grid(new RunGrid(m_model, this))
{
    setObjectName(QStringLiteral("frmVars"));
    setWindowTitle(tr("Değişkenler"));
    m_grid->horizontalHeader()->setDefaultSectionSize(90);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);
    resize(480, 110);
}

void frmVars::closeEvent(QCloseEvent *event)
{
    // The window and its grid stay for the next show.
    event->ignore();
    hide();
}
