#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The charts a teacher names for grading. A file is a chart as it is; a folder stands for its
// *.vnp files in name order, less those that another chart of the folder calls: a called chart
// is part of a student's work, not a work of its own.
class ClassCharts {
public:
    struct Chart {
        QString path; // to open
        QString name; // to show: the argument itself, or the folder as given joined with the file name
    };

    // nullopt when a path names nothing, or a folder holds no chart; *error says which.
    static std::optional<QList<Chart>> collect(const QStringList &paths, QString *error);
    // The charts the chart at `path` calls by name (FUNCTION blocks that name no built-in
    // function), as written; none when it cannot be read.
    static QStringList calledNames(const QString &path);

private:
    static QList<Chart> folderCharts(const QString &folder);
};
