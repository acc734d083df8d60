#pragma once

#include <QString>
#include <QStringList>

// Java identifiers for the object names of a window export. The generated program uses each
// name as a field, so a name reaches the source as code: only identifiers may go there. A name
// that is already a plain identifier, not a keyword and not a name the program uses itself,
// stays as it is; any other becomes one, and a number keeps names that meet apart.
class JavaNames {
public:
    // One identifier per name, in the same order; no two alike.
    static QStringList identifiers(const QStringList &names);

    // A letter or "_" first, then letters, digits and "_"; the letters are those of the Latin
    // alphabets (Turkish ones included), which every Java compiler takes.
    static bool isIdentifier(const QString &name);
    static bool isReserved(const QString &name);

    // The name made into an identifier: letters and digits kept, every other character "_",
    // "_" before a leading digit, "_" after a reserved word; "nesne" for an empty name.
    static QString sanitized(const QString &name);
};
