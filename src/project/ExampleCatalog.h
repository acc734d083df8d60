#pragma once

#include <QList>
#include <QString>

// The example projects of the file menu, in menu order. Their files lie in the examples folder
// beside the program's data; the last entry (the SQL test) is listed but never offered.
class ExampleCatalog {
public:
    struct Entry {
        QString caption;
        QString file;
        bool visible;
    };

    static const QList<Entry> &entries();
    // The full path of entry index in the folder (which ends with "/"); "" for a bad index.
    static QString pathOf(const QString &examplesFolder, int index);
    // Shown after any message of the reader when an example does not load.
    static QString failureMessage(const QString &path);
};
