#pragma once

#include <QString>

// The grading child process, `varnel-run --grade-worker EXERCISE.vnx`: takes one request a line
// from standard input, runs the chart's tests from the asked index on, and writes one answer
// a line to standard output as each test ends. A chart that brings it down costs only the test
// it was running: the parent starts another worker for the rest.
class GradeWorker {
public:
    explicit GradeWorker(QString exercisePath) : m_exercisePath(std::move(exercisePath)) {}

    // 0 at the end of standard input; 2 when the exercise file cannot be read.
    int exec();

private:
    QString m_exercisePath;
};
