#include "ui/dialogs/PropertyDialog.h"

#include "model/OperationList.h"
#include "ui/dialogs/CompletionPopupGuard.h"

#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PropertyDialog::PropertyDialog(frmLists &lists, const QString &title, QWidget *parent)
    : QDialog(parent), m_lists(lists)
{
    setWindowTitle(title);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void PropertyDialog::setContent(QLayout *rows, int widthTwips, int heightTwips,
                                const QString &confirmText)
{
    auto *cmdOK = new QPushButton(confirmText);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &PropertyDialog::confirm);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(rows, 1);
    outer->addLayout(buttons);

    const QSize classic(widthTwips * logicalDpiX() / 1440, heightTwips * logicalDpiY() / 1440);
    resize(sizeHint().expandedTo(classic));
}

QComboBox *PropertyDialog::editableList(const QString &name)
{
    auto *cbox = new QComboBox;
    cbox->setObjectName(name);
    cbox->setEditable(true);
    cbox->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would silently change what the user typed into a longer recent entry.
    auto *completer = new QCompleter(cbox->model(), cbox);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    cbox->setCompleter(completer);
    CompletionPopupGuard::attach(completer);
    cbox->setMinimumContentsLength(6);
    cbox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return cbox;
}

QComboBox *PropertyDialog::operatorList(const OperationList &operations, const QString &name)
{
    auto *cbox = new QComboBox;
    cbox->setObjectName(name);
    // Operators line up in a fixed-pitch font, at the size of the rest of the dialog.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(cbox->font().pointSizeF());
    cbox->setFont(fixed);
    cbox->addItems(operations.items());
    cbox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return cbox;
}

void PropertyDialog::showEvent(QShowEvent *event)
{
    m_confirmed.reset();
    refillRecentLists();
    QDialog::showEvent(event);
}

void PropertyDialog::confirm()
{
    recordRecentEntries();
    m_confirmed = applyTo(m_block);
    accept();
}
