#include "ui/main/QtProjectDialogs.h"

#include "project/Project.h"
#include "ui/dialogs/OpenFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// The texts keep the CR LF line ends of the messages; a label wants plain line feeds.
QString shown(const QString &text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QtProjectDialogs::QtProjectDialogs(QWidget *parent)
    : m_parent(parent)
{
}

QString QtProjectDialogs::filter()
{
    return tr("Varnel Projeleri (*.vnp);;Tüm Dosyalar (*)");
}

QWidget *QtProjectDialogs::parentWidget() const
{
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

QString QtProjectDialogs::openFile(const QString &folder)
{
    OpenFileDialog dialog(parentWidget(), tr("Aç"), folder, filter());
    dialog.setDefaultSuffix(QStringLiteral("vnp"));
    return dialog.chosenFile();
}

QString QtProjectDialogs::saveFile(const QString &proposedPath)
{
    QFileDialog dialog(parentWidget(), tr("Farklı Kaydet"));
    dialog.setNameFilter(filter());
    dialog.setDefaultSuffix(QStringLiteral("vnp"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

SaveQuestion::Answer QtProjectDialogs::askSave(const QString &title, const QString &text)
{
    const auto answer = QMessageBox::question(parentWidget(), title, shown(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveQuestion::Answer::Yes;
    return answer == QMessageBox::No ? SaveQuestion::Answer::No : SaveQuestion::Answer::Cancel;
}

bool QtProjectDialogs::askRestore(const QString &title, const QString &text)
{
    return QMessageBox::question(parentWidget(), title, shown(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
           == QMessageBox::Yes;
}

void QtProjectDialogs::notify(const QString &text)
{
    QMessageBox::information(parentWidget(), Project::baseTitle(), shown(text));
}
