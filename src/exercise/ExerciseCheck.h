#pragma once

#include "exercise/Exercise.h"
#include "exercise/TestResult.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

// "Kontrol Et" beside the editor: every test of an exercise on the chart as the editor holds it,
// on a thread of its own, a fresh interpreter per test, with the exercise's regional settings
// on that thread only. Results come back on the thread that started the check, one by one;
// nothing is saved. A new start or cancel() calls off the check that runs.
class ExerciseCheck : public QObject {
    Q_OBJECT
public:
    explicit ExerciseCheck(QObject *parent = nullptr);
    ~ExerciseCheck() override;

    // chartPath: where the chart is saved, or would be (its folder holds the charts it calls);
    // chartBytes: its project file as it is now.
    void start(const Exercise &exercise, const QString &chartPath, const QByteArray &chartBytes);
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }

Q_SIGNALS:
    void testFinished(int index, const TestResult &result);
    // After the last test, or once a cancelled check has stopped.
    void finished(bool cancelled);

private:
    void stopThread();
    void onThreadDone();

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
};
