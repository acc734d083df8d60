#pragma once

#include "exercise/ExerciseTest.h"

#include <QList>
#include <QString>

// An exercise as its file (.vnx) gives it: what the student reads, and the tests a chart must
// pass, each run within the same limits.
struct Exercise {
    static constexpr qint64 DefaultMaxBlocks = 10'000'000;
    static constexpr double DefaultSeconds = 10;

    QString title;
    QString text; // Markdown
    QString locale = QStringLiteral("tr_TR");
    qint64 maxBlocks = DefaultMaxBlocks;
    double seconds = DefaultSeconds;
    QList<ExerciseTest> tests;
};
