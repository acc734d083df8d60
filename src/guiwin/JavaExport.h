#pragma once

#include <QString>

// Turns a window definition into GuiTest.java, a small Swing program with the window's buttons
// (JButton) and text areas (JTextField) at the same pixel positions, each with a listener stub.
// What the user typed reaches the source only as escaped string literals and as names made into
// Java identifiers (JavaNames).
class JavaExport {
public:
    static inline const QString fileName = QStringLiteral("GuiTest.java");

    // frameExtraPixels: the height of a title bar and borders, added to the frame's height.
    JavaExport(double twipsPerPixelX, double twipsPerPixelY, int frameExtraPixels);

    // The whole file, every line ended by CR LF.
    QString source(const QString &sizeRecord, const QString &objectRecords) const;

    // A Java string literal with its double quotes; quotes, backslashes, line breaks and
    // invisible characters escaped.
    static QString stringLiteral(const QString &text);

    // The program's folder when it can be written (the file goes beside the program), else the
    // open project's folder (an installed program), else the home folder.
    static QString targetFolder(const QString &programFolder, const QString &projectFolder);

    // Writes the file atomically, UTF-8; the reason on failure, empty on success.
    static QString write(const QString &path, const QString &source);

    // The notice after a successful write; the folder is named when it is not the program's.
    static QString notice(const QString &folder, bool programFolder);
    static QString failure(const QString &path, const QString &reason);

private:
    int pixels(double twips, double twipsPerPixel) const;

    double m_tppX;
    double m_tppY;
    int m_frameExtra;
};
