#include "ui/exercise/LinesDelegate.h"

#include <QPlainTextEdit>

QWidget *LinesDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QPlainTextEdit(parent);
    editor->setTabChangesFocus(true);
    return editor;
}

void LinesDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QPlainTextEdit *>(editor)->setPlainText(index.data(Qt::EditRole).toString());
}

void LinesDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QPlainTextEdit *>(editor)->toPlainText(), Qt::EditRole);
}
