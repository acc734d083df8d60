#pragma once

#include "model/ActionFields.h"

#include <QDialog>
#include <optional>

class OperationList;
class QComboBox;
class QLayout;
class frmLists;

// The shared protocol of the block property dialogs: modal, one confirm button, the close box
// writes nothing. A dialog shows fields, and a confirm turns them into new action fields over
// the block's current ones; it never touches the model itself.
class PropertyDialog : public QDialog {
    Q_OBJECT
public:
    // The block's fields with what the dialog shows written over the slots it owns.
    virtual ActionFields applyTo(const ActionFields &block) const = 0;

    // The block the next confirm writes over (placement: the new block's fields).
    void setBlockFields(const ActionFields &block) { m_block = block; }
    const ActionFields &blockFields() const { return m_block; }

    // The new fields when the latest showing ended with a confirm; nothing otherwise.
    const std::optional<ActionFields> &confirmedFields() const { return m_confirmed; }

protected:
    PropertyDialog(frmLists &lists, const QString &title, QWidget *parent);

    frmLists &recentLists() const { return m_lists; }

    // Puts the dialog's rows above a right-aligned confirm button and sizes the window to at
    // least its classic client area (given in twips).
    void setContent(QLayout *rows, int widthTwips, int heightTwips,
                    const QString &confirmText = tr("Tamam"));

    static QComboBox *editableList(const QString &name);
    static QComboBox *operatorList(const OperationList &operations, const QString &name);

    // Runs each time the dialog is shown.
    virtual void refillRecentLists() = 0;
    // Runs on confirm, before the fields are taken.
    virtual void recordRecentEntries() {}

    void showEvent(QShowEvent *event) override;

private:
    void confirm();

    frmLists &m_lists;
    ActionFields m_block;
    std::optional<ActionFields> m_confirmed;
};
