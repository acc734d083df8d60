#pragma once

#include <QList>
#include <QString>

// The example projects of the file menu, in menu order. Their files lie in the examples folder
// beside the program's data; the last entry (the SQL test) is listed but never offered. A window
// example may be shipped under a descriptive name instead of its short one.
class ExampleCatalog {
public:
    struct Entry {
        const char *caption; // Turkish
        QString file;
        bool visible;
        QString descriptiveFile = QString();

        // The caption in the interface's language.
        QString title() const;
    };

    static const QList<Entry> &entries();
    // The full path of entry index in the folder (which ends with "/"): the short name, else the
    // descriptive one when only that is there; "" for a bad index.
    static QString pathOf(const QString &examplesFolder, int index);
    // Shown after any message of the reader when an example does not load.
    static QString failureMessage(const QString &path);
};
