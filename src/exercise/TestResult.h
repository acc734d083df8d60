#pragma once

#include "exercise/OutputDifference.h"

#include <QString>
#include <optional>

// How one test of an exercise went on one chart.
struct TestResult {
    enum class Ending {
        Passed,
        Different,   // the run reached its END, but printed other lines
        TimeLimit,   // "süre aşıldı"
        BlockLimit,  // "blok sınırı"
        InputEnded,  // "girdi bitti": an INPUT block found no more input lines
        OutputLimit, // "çıktı sınırı": it printed more than any test expects
        Error,       // a run-time error or another message ended the run
        NotLoaded,   // the chart file could not be read
        Cancelled,   // the check was called off
        Crashed,     // the process that ran it died
    };

    QString name;
    bool hidden = false;
    Ending ending = Ending::Passed;
    // Empty when it passed; else a short Turkish text: the ending's word, and what went wrong.
    QString reason;
    std::optional<OutputDifference> difference; // for Different
    double seconds = 0;

    bool passed() const { return ending == Ending::Passed; }
    // The reason of an ending that needs no further words ("süre aşıldı"), empty for the others.
    static QString word(Ending ending);
};
