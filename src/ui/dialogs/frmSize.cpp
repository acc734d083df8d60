#include "ui/dialogs/frmSize.h"

#include <QEvent>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

frmSize::frmSize(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Boyut"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtWidth = addSpinner(QStringLiteral("txtWidth"));
    txtHeight = addSpinner(QStringLiteral("txtHeight"));
    connect(txtWidth, &QSpinBox::valueChanged, this, [this](int value) { sideEdited(true, value); });
    connect(txtHeight, &QSpinBox::valueChanged, this,
            [this](int value) { sideEdited(false, value); });

    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("genişlik:"), txtWidth);
    form->addRow(tr("yükseklik:"), txtHeight);

    const QSize classic(2055 * logicalDpiX() / 1440, 975 * logicalDpiY() / 1440);
    resize(sizeHint().expandedTo(classic));
}

QSpinBox *frmSize::addSpinner(const QString &name)
{
    auto *spinner = new QSpinBox;
    spinner->setObjectName(name);
    // Sizes are 16-bit and a block never shrinks below one pixel.
    spinner->setRange(1, 32767);
    spinner->setValue(100);
    spinner->setKeyboardTracking(false);
    return spinner;
}

void frmSize::showBlock(BlockSize size, qint16 shape)
{
    const QSignalBlocker blockWidth(txtWidth);
    const QSignalBlocker blockHeight(txtHeight);
    m_shape = shape;
    txtWidth->setValue(size.width);
    txtHeight->setValue(size.height);
}

BlockSize frmSize::shownSize() const
{
    return {txtWidth->value(), txtHeight->value()};
}

bool frmSize::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Q_EMIT activated();
    return QDialog::event(event);
}

void frmSize::sideEdited(bool width, int value)
{
    const BlockSize shown = shownSize();
    const BlockSize size = width ? shown.withWidth(m_shape, value) : shown.withHeight(m_shape, value);
    showBlock(size, m_shape);
    Q_EMIT sizeChanged(size.width, size.height);
}
