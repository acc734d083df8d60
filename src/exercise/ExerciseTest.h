#pragma once

#include "exercise/CompareMode.h"

#include <QString>
#include <QStringList>

// One test of an exercise: the lines typed into the chart's INPUT blocks, and the lines it must
// print.
struct ExerciseTest {
    QString name;
    QStringList input;
    // The OUTPUT lines in order; or, with wholeTranscript, every console row as the terminal
    // runner prints it (input rows as prompt + " >" + the typed text included).
    QStringList expected;
    bool wholeTranscript = false;
    // A hidden test's input and expected lines are not shown to the student, only whether it passed.
    bool hidden = false;
    CompareMode compare = CompareMode::Exact;
};
