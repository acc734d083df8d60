#pragma once

#include <QByteArray>
#include <QString>

class Project;

// A chart as the editor holds it, unsaved edits included: where it is saved (or would be; its
// folder holds the charts it calls) and its project file as it is now.
struct EditedChart {
    QString path;
    QByteArray bytes;

    // The chart on show in the project; empty bytes for a drawing the writer cannot write.
    static EditedChart of(const Project &project);
};
