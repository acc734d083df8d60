#pragma once

#include "project/Project.h"
#include "interp/Runtime.h"
#include "runner/TerminalHost.h"
#include "base/MessageLog.h"

#include <QString>
#include <cstdio>
#include <memory>
#include <optional>

class TraceFile;

// Runs one chart in a terminal: the console's rows go to standard output, input lines come
// from standard input, messages go to standard error.
class TerminalRunner {
public:
    struct Options {
        QString file;
        qint64 maxBlocks = 0;
        QString countsFile; // --counts: how often each block ran, as CSV
        QString traceFile;  // --trace: one line per executed block
    };
    explicit TerminalRunner(const Options &options);
    ~TerminalRunner();

    // 0: the main chart's END ended the run and all its output was written; 1: anything else
    // ended it, or some output could not be written; 2: not loaded.
    int exec();

private:
    std::optional<QString> readLine(const QString &prompt);
    void printRow(const QString &row);
    // Standard output, checked: the first failure is kept and ends the run.
    void writeOutput(const QString &text);
    void flushOutput();
    void outputFailed();
    void printMessage(const QString &message);
    bool startRecords();
    bool finishRecords();

    Options m_options;
    MessageLog m_log;
    Project m_project;
    TerminalHost m_host;
    Runtime m_runtime;
    bool m_interactive;
    // The console's next row is the input line, which is not to be written: the terminal has
    // echoed it already, or it is too long for INPUT to take.
    bool m_skipInputRow = false;
    int m_outputErrno = 0; // why standard output failed; 0 while it works
    std::unique_ptr<TraceFile> m_trace;
};
