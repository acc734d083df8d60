#pragma once

#include "exercise/Exercise.h"
#include "runner/GradeJob.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

// A worker process as the grading parent sees it: it hands the worker one chart at a time and
// collects the answers. When the worker dies in the middle of a chart, the test it was running
// fails as "çöktü" and a new worker goes on with the next test; when it answers nothing for
// longer than a test may take, it is killed and the test fails as "süre aşıldı".
class GradeWorkerProcess : public QObject {
    Q_OBJECT
public:
    // The most memory a worker may take, so that a chart cannot starve the machine.
    static constexpr qint64 MemoryLimit = qint64(2) << 30;
    // How much longer than the exercise's time limit the parent waits for an answer.
    static constexpr int GraceMs = 5000;

    GradeWorkerProcess(QString exercisePath, const Exercise &exercise, QObject *parent = nullptr);
    ~GradeWorkerProcess() override;

    bool busy() const { return m_job != nullptr; }
    void take(GradeJob *job);

Q_SIGNALS:
    void jobDone(GradeJob *job);
    // The worker cannot run at all (it could not be started, or refused the exercise).
    void failed(const QString &message);

private:
    void start();
    void ask();
    void readAnswers();
    void workerEnded(int exitCode, QProcess::ExitStatus status);
    void stalled();
    void record(const TestResult &result);
    void finishJob();
    TestResult lostTest(TestResult::Ending ending) const;

    QString m_exercisePath;
    const Exercise &m_exercise;
    QProcess *m_process = nullptr;
    QByteArray m_pending;
    GradeJob *m_job = nullptr;
    QTimer m_stall;
    bool m_killedForStall = false;
    bool m_answered = false; // the worker has answered once since it started
};
