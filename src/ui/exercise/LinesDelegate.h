#pragma once

#include <QStyledItemDelegate>

// Edits a table cell that holds lines, one per row of a multi-line editor (Enter starts a new
// line; leaving the cell keeps what was typed).
class LinesDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
