#pragma once

#include "model/BlockSize.h"

#include <QDialog>

class QSpinBox;

// The size window: a modeless tool window over the main window with a spinner for each side of
// the selected block. It only reports edits; the owner applies them to the block.
class frmSize : public QDialog {
    Q_OBJECT
public:
    explicit frmSize(QWidget *parent = nullptr);

    // Shows the block that the spinners act on, without reporting an edit. The shape decides
    // whether the other side follows an edited one.
    void showBlock(BlockSize size, qint16 shape);
    BlockSize shownSize() const;

Q_SIGNALS:
    // The window became active: the owner answers with showBlock for the selected block.
    void activated();
    // The user changed a spinner; for circles both sides have followed.
    void sizeChanged(int width, int height);

protected:
    bool event(QEvent *event) override;

private:
    QSpinBox *addSpinner(const QString &name);
    void sideEdited(bool width, int value);

    QSpinBox *txtWidth;
    QSpinBox *txtHeight;
    qint16 m_shape = 0;
};
