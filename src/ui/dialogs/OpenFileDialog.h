#pragma once

#include <QFileDialog>

// The dialog every "open" command shows: it picks one existing file and changes nothing on
// disk. Qt's own file dialog would otherwise let a stray drag move files or a click make a
// new folder, and an open dialog has no business doing either.
class OpenFileDialog : public QFileDialog {
    Q_OBJECT
public:
    OpenFileDialog(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);

    // Shows the dialog and waits; the chosen file, or "" when it was cancelled.
    QString chosenFile();
};
