#pragma once

#include <QString>
#include <QStringList>

class SettingsModule;

// What the program does once it has started: the decision alone, so that the main program
// only carries it out.
struct StartPlan {
    enum class Mode {
        EditorEmpty,    // nothing requested: the editor opens with an empty drawing
        EditorWithFile, // a file named on the command line opens in the editor
        StartUpFlow,    // the START_UP_FLOW project is loaded and run with the editor hidden
        FileNotFound,   // the requested file is missing: notFoundMessage, then the program ends
    };

    Mode mode = Mode::EditorEmpty;
    QString path;
    // The program folder with a trailing separator, for resolving the requested file.
    QString projectFolder;
    QString notFoundMessage;
    // Only an empty start may register the project file type, and only when the settings ask
    // and the admin's system settings do not forbid it.
    bool runAssociation = false;
    // Why a settings file was left unread, for the message window; empty when none was.
    QString settingsNotice;
};

namespace StartUp {

// The request as the command line gave it: one argument as it is, several joined by blanks
// (a path with blanks that the shell split apart).
QString requestFromArguments(const QStringList &arguments);

// Makes the program folder current, loads exeBaseName + ".ini" (beside the program or in the
// user's config folder, as SettingsLocation decides) into settings and
// decides the start mode for the request. A relative name from the command line is looked up
// in startFolder (the folder the program was started from) before the program folder, as
// programs on Linux do; the START_UP_FLOW setting belongs to the program folder alone.
StartPlan decide(const QString &rawRequest, const QString &programFolder,
                 const QString &exeBaseName, SettingsModule &settings,
                 const QString &startFolder = QString());

} // namespace StartUp
