#pragma once

#include "exercise/ChartGrade.h"
#include "exercise/Exercise.h"

#include <QString>
#include <atomic>
#include <functional>

// Runs the tests of an exercise on a chart one after another, each in a fresh interpreter
// (TestRun, with its rules on threads). Cancelling stops the test that runs and skips the rest.
class ChartGrader {
public:
    // Told after every test, with its index in the exercise.
    using Progress = std::function<void(int index, const TestResult &result)>;

    explicit ChartGrader(const Exercise &exercise, const std::atomic_bool *cancel = nullptr);

    ChartGrade grade(const QString &chartPath, const QString &chartName) const;
    // The tests from `first` on, each told to `progress` as it ends; a chart that cannot be read
    // fails every remaining test with the same reason without trying again.
    void gradeFrom(const QString &chartPath, int first, const Progress &progress) const;

private:
    const Exercise &m_exercise;
    const std::atomic_bool *m_cancel;
};
