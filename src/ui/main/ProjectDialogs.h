#pragma once

#include "project/SaveQuestion.h"

#include <QString>

// The dialogs of the project commands: file dialogs, the two questions and the plain notice.
// The desktop program shows real dialogs (QtProjectDialogs); tests answer in their place.
class ProjectDialogs {
public:
    virtual ~ProjectDialogs() = default;

    // The file-open dialog starting in folder; "" when cancelled.
    virtual QString openFile(const QString &folder) = 0;
    // The file-save dialog proposing a path (folder and name); asks before an existing file is
    // replaced; "" when cancelled.
    virtual QString saveFile(const QString &proposedPath) = 0;
    // The unsaved-changes question with Yes, No and Cancel.
    virtual SaveQuestion::Answer askSave(const QString &title, const QString &text) = 0;
    // The question whether to restore a recovery copy; true for Yes.
    virtual bool askRestore(const QString &title, const QString &text) = 0;
    // A plain message box with an OK button.
    virtual void notify(const QString &text) = 0;
};
