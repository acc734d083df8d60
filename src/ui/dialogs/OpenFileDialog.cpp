#include "ui/dialogs/OpenFileDialog.h"

OpenFileDialog::OpenFileDialog(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
    : QFileDialog(parent, caption, folder, filter)
{
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setOption(QFileDialog::ReadOnly);
}

QString OpenFileDialog::chosenFile()
{
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return QString();
    return selectedFiles().constFirst();
}
