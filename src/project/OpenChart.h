#pragma once

#include <QString>

class Project;

// What "this is now the open chart" means for a project: its path, its folder and the window
// title go together. Loads, saves under a new name, New and a restored recovery copy all come
// through here, so the title is made in one place.
class OpenChart {
public:
    // "Varnel 3.01 - name.vnp" for the chart at path; the base title when untitled.
    static QString title(const QString &path);
    // Makes path the project's chart. An untitled chart (empty path) lives in untitledFolder; an
    // empty one leaves the folder as it is.
    static void adopt(Project &project, const QString &path, const QString &untitledFolder = QString());
};
