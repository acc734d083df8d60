#pragma once

#include "guiwin/GuiObjectRecord.h"

#include <QList>
#include <QString>

// The window a WINDOW block carries in its three parameters: the size record "W|H|" (client
// area in twips), the object records (nine fields each) and the event record "ONLOAD|ONRESIZE|".
// Reading never fails: missing fields read as empty text, numbers as 0.
class WindowDefinition {
public:
    qint16 width = 0;
    qint16 height = 0;
    QList<GuiObjectRecord> objects;
    QString onLoad;
    QString onResize;

    static WindowDefinition fromParams(const QString &zParam1, const QString &zParam2, const QString &zParam3);

    // Records one after another until a record's first field is empty (or missing). Records of
    // unknown kinds are kept: whoever creates the objects reports them, and their fields are
    // consumed so that the next record still starts at its kind word.
    static QList<GuiObjectRecord> parseObjects(const QString &records);

    QString sizeRecord() const;
    // Objects named "<DELETED>" are skipped.
    QString objectRecords() const;
    QString eventRecord() const;

    static QString sizeRecord(int w, int h);
    static QString objectRecord(const GuiObjectRecord &record);
    static QString eventRecord(const QString &onLoad, const QString &onResize);

    bool operator==(const WindowDefinition &) const = default;
};
