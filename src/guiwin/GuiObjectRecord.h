#pragma once

#include <QString>
#include <QtGlobal>

// One object of a window definition: nine fields, geometry in twips.
struct GuiObjectRecord {
    QString type;
    QString id;
    QString text;
    qint16 x = 0;
    qint16 y = 0;
    qint16 w = 0;
    qint16 h = 0;
    QString function1;
    QString function2;

    bool operator==(const GuiObjectRecord &) const = default;
};
