#pragma once

#include "exercise/Exercise.h"
#include "exercise/GradingHost.h"
#include "exercise/TestResult.h"
#include "interp/Runtime.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>

// One test of an exercise on one chart, in an interpreter of its own: the test's lines are the
// input, the rows the chart prints are collected, and the run is stopped by the exercise's
// limits (blocks, seconds) and by the output limit. Calls to other charts are resolved from
// the chart's folder, as in a normal run.
//
// It runs on the calling thread, which must have an event dispatcher (the main thread or any
// QThread): the time limit and cancelling act between slices of blocks, where the run processes
// events. Numbers are read and written by the regional settings in force (Numbers::useLocale);
// the caller sets the exercise's before the first test.
class TestRun {
public:
    // The most characters a test keeps of what the chart prints; far beyond any expected output.
    static constexpr qsizetype MaxOutputCharacters = qsizetype(8) << 20;
    // How often the limits are looked at while the chart runs.
    static constexpr int WatchIntervalMs = 20;

    TestRun(const Exercise &exercise, const ExerciseTest &test, const std::atomic_bool *cancel = nullptr);
    TestRun(const TestRun &) = delete;
    TestRun &operator=(const TestRun &) = delete;

    TestResult exec(const QString &chartPath);
    // What the chart printed that the test compares: its OUTPUT lines, or the whole transcript.
    const QStringList &printed() const { return m_test.wholeTranscript ? m_transcript : m_output; }

private:
    std::optional<QString> nextInput();
    void collectRow(const QString &row);
    void watch();
    void stop(TestResult::Ending ending);
    void finish(TestResult &result);
    QString messageReason() const;

    const Exercise &m_exercise;
    const ExerciseTest &m_test;
    const std::atomic_bool *m_cancel;
    MessageLog m_log;
    Project m_project{&m_log};
    GradingHost m_host{m_log};
    Runtime m_runtime{m_project, m_log, m_host};
    QTimer m_watch;
    QElapsedTimer m_clock;
    qsizetype m_nextInput = 0;
    bool m_inputRowNext = false;
    QStringList m_output;
    QStringList m_transcript;
    qsizetype m_characters = 0;
    QString m_lastMessage;
    std::optional<TestResult::Ending> m_stoppedBy;
};
