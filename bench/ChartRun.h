#pragma once

#include "interp/RunHost.h"
#include "interp/Runtime.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QString>
#include <benchmark/benchmark.h>

// A chart run as the terminal runner runs it, without a terminal: blocks untracked, delay 0,
// a screen that does nothing.
class ChartRun {
public:
    ChartRun();

    bool load(const QString &path);
    // Runs the loaded chart from its START; true when its END was reached without a message.
    bool run();
    // What went wrong, for the benchmark's error line.
    QString failure() const;
    // The benchmark's timed loop: one run per iteration; false (with the error set) when a
    // run failed.
    bool runEach(benchmark::State &state);

    MessageLog log;
    Project project{&log};
    RunHost host;
    Runtime runtime{project, log, host};
};
