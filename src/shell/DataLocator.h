#pragma once

#include <QString>

// Finds the folder that holds the new-project template and the examples. In the build tree
// and in a folder where the program was copied with its data they sit beside the program;
// an installed program finds them under <prefix>/share/varnel.
class DataLocator {
public:
    // The folder of the running program.
    DataLocator();
    explicit DataLocator(QString programFolder);

    // The first candidate that holds the template, with a trailing "/"; the program folder
    // when none does, so that a missing file is reported where the user expects it.
    QString dataFolder() const;
    QString newTemplatePath() const;
    // "Examples/" below the data folder.
    QString examplesFolder() const;

    static QString templateFileName() { return QStringLiteral("NEW_TEMPLATE.vnp"); }

private:
    QString m_programFolder;
};
