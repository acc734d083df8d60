#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A chart as the editor holds it, unsaved edits included, written to a private folder together
// with copies of the charts it calls (and they call) from its own folder. Tests then run it as
// a normal run would, calls and returns included, and nothing is written where the student
// works; the folder goes when the snapshot does.
class ChartSnapshot {
public:
    // chartPath: where the chart is saved, or would be (its folder holds the called charts);
    // bytes: the project file of the chart as it is now.
    ChartSnapshot(const QString &chartPath, const QByteArray &bytes);

    // False when the private folder or the chart could not be written.
    bool isValid() const { return !m_path.isEmpty(); }
    // The chart to run.
    const QString &path() const { return m_path; }

private:
    void copyCalledCharts(const QString &from, const QString &sourceFolder);

    QTemporaryDir m_dir;
    QString m_path;
};
