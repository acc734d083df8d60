#pragma once

#include <QString>
#include <QStringList>

// Where the program's settings file lives. A program in a folder of its own (the build tree,
// a portable folder, a stand-alone copy beside its .ini) keeps it beside itself, as
// <program name>.ini. An installed program (under /usr, or in <prefix>/bin with its data in
// <prefix>/share/varnel, or in a folder it cannot write) keeps it in the user's config folder,
// starting from the defaults an admin puts in the system config folder (/etc/xdg/varnel/).
class SettingsLocation {
public:
    SettingsLocation(QString programFolder, QString exeBaseName);

    bool besideProgram() const { return m_besideProgram; }
    // The file read, and written back when it is missing or short (beside the program) or short
    // (in the user's folder).
    const QString &filePath() const { return m_filePath; }
    // The admin's defaults, in search order: <config dir>/varnel/<program name>.ini for each
    // system config folder.
    QStringList systemFiles() const;

    // Folders a distribution owns: nothing there belongs to one user or one copy.
    static bool isDistributionFolder(const QString &folder);

private:
    QString m_fileName;
    bool m_besideProgram;
    QString m_filePath;
};
