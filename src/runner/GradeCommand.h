#pragma once

#include "exercise/Exercise.h"
#include "exercise/GradeReport.h"
#include "runner/GradeJob.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// varnel-run --grade EXERCISE.vnx [--jobs N] [--report OUT.csv|.json|.xml] CHART.vnp|FOLDER...
// Grades every chart on every test of the exercise, several charts at once in worker processes,
// and prints one line per chart, in the order given, and the class total.
class GradeCommand {
public:
    // The arguments after --grade.
    explicit GradeCommand(QStringList arguments) : m_arguments(std::move(arguments)) {}

    // 0: every chart was graded (whatever its score); 1: some chart could not be read, or the
    // report could not be written; 2: a bad exercise file or bad arguments.
    int exec();

private:
    static constexpr int MaxJobs = 1024;

    // The problem with the arguments; empty when there is none.
    QString parseArguments();
    QString checkReportPath();
    int usageError(const QString &problem) const;
    bool runWorkers();
    void printReady();
    int finish();

    QStringList m_arguments;
    QString m_exercisePath;
    Exercise m_exercise;
    int m_jobs = 0;
    QString m_reportPath;
    std::optional<GradeReport::Format> m_reportFormat;
    QStringList m_chartArguments;
    QList<GradeJob> m_grades;
    qsizetype m_printed = 0;
};
