#pragma once

#include "exercise/TestResult.h"

#include <QList>
#include <QString>

// How a chart did on every test of an exercise.
struct ChartGrade {
    QString chart; // as the teacher named it
    QList<TestResult> tests;
    double seconds = 0;

    int passed() const;
    int total() const { return int(tests.size()); }
    // The first test that did not pass; nullptr when all did.
    const TestResult *firstFailure() const;
    // False when the chart file could not be read: it was not graded at all.
    bool graded() const;
};
