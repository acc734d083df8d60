#pragma once

#include <QString>

// Makes a stand-alone copy of the program: a byte copy of the running program with its run
// permission, a settings file beside it whose start-up flow names the chosen project, and a
// copy of that project unless it already is there. Started without arguments, the copy runs
// the project at once without showing the editor.
class MakeExecutable {
public:
    struct Result {
        bool ok = false;
        // On failure: the whole text of the error box, "EXE oluşturulurken hata: " + CR LF + why.
        QString error;
    };

    // programPath: the file of the running program; relative start-up flows are looked up in
    // its folder, as start-up looks up the files it is given.
    explicit MakeExecutable(QString programPath);

    // Makes target from the start-up flow. Nothing is written when the flow is missing or when
    // two of the files would land on each other (or on the program or the flow itself).
    Result make(const QString &startUpFlow, const QString &targetName) const;

    // The settings file of a target: its name without ".exe" when it ends so, else the whole
    // name, followed by ".ini".
    static QString settingsPathFor(const QString &target);
    // The notice shown after a successful make: every project file the flow uses, functions
    // included, must sit beside the program and its settings file.
    static QString noticeText(const QString &target);

    static QString emptyFlowMessage() { return QStringLiteral("Başlangıç diyagramını seçiniz!"); }
    static QString proposedName() { return QStringLiteral("Program1"); }
    // Where the file dialogs open: the program's folder, or the user's home folder when the
    // program is installed where the user cannot write.
    static QString proposedFolder(const QString &programFolder);

private:
    QString resolvedFlow(const QString &startUpFlow) const;
    QString clashBetween(const QString &flow, const QString &target) const;

    QString m_programPath;
};
