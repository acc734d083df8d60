#pragma once

#include "project/Project.h"
#include "interp/Runtime.h"
#include "runner/TerminalHost.h"
#include "base/MessageLog.h"

#include <QString>
#include <cstdio>
#include <optional>

// Runs one chart in a terminal: the console's rows go to standard output, input lines come
// from standard input, messages go to standard error.
class TerminalRunner {
public:
    struct Options {
        QString file;
        qint64 maxBlocks = 0;
    };
    explicit TerminalRunner(const Options &options);

    // 0: the main chart's END ended the run; 1: anything else ended it; 2: not loaded.
    int exec();

private:
    std::optional<QString> readLine(const QString &prompt);
    void printRow(const QString &row);
    void printMessage(const QString &message);

    Options m_options;
    MessageLog m_log;
    Project m_project;
    TerminalHost m_host;
    Runtime m_runtime;
    bool m_interactive;
    bool m_echoedInput = false;
};
