#include "exercise/ExerciseCheck.h"

#include "exercise/ChartGrader.h"
#include "exercise/ChartSnapshot.h"
#include "exercise/LocaleName.h"
#include "interp/Numbers.h"

#include <QThread>

namespace {

void gradeSnapshot(const Exercise &exercise, const QString &chartPath, const QByteArray &chartBytes,
                   const std::atomic_bool *cancel, const ChartGrader::Progress &progress)
{
    const Numbers::ThreadLocale locale(LocaleName::parse(exercise.locale).value_or(QLocale()));
    const ChartSnapshot snapshot(chartPath, chartBytes);
    if (snapshot.isValid()) {
        ChartGrader(exercise, cancel).gradeFrom(snapshot.path(), 0, progress);
        return;
    }
    for (int i = 0; i < exercise.tests.size(); ++i) {
        TestResult result;
        result.name = exercise.tests[i].name;
        result.hidden = exercise.tests[i].hidden;
        result.ending = TestResult::Ending::NotLoaded;
        result.reason = QStringLiteral("yüklenemedi: geçici klasöre yazılamadı");
        progress(i, result);
    }
}

} // namespace

ExerciseCheck::ExerciseCheck(QObject *parent) : QObject(parent)
{
}

ExerciseCheck::~ExerciseCheck()
{
    stopThread();
}

void ExerciseCheck::start(const Exercise &exercise, const QString &chartPath, const QByteArray &chartBytes)
{
    stopThread();
    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_cancel = cancel;
    // Results queued to this object are dropped by Qt once it is gone; the destructor waits for
    // the thread, so `this` outlives every call made from it.
    m_thread = QThread::create([this, cancel, exercise, chartPath, chartBytes] {
        gradeSnapshot(exercise, chartPath, chartBytes, cancel.get(), [&](int index, const TestResult &result) {
            if (cancel->load())
                return;
            QMetaObject::invokeMethod(this, [this, cancel, index, result] {
                if (!cancel->load())
                    Q_EMIT testFinished(index, result);
            }, Qt::QueuedConnection);
        });
    });
    connect(m_thread, &QThread::finished, this, &ExerciseCheck::onThreadDone);
    m_thread->start();
}

void ExerciseCheck::cancel()
{
    if (!m_thread)
        return;
    stopThread();
    Q_EMIT finished(true);
}

// Called off and waited for: a test stops at its next look at the limits (a few milliseconds).
void ExerciseCheck::stopThread()
{
    if (!m_thread)
        return;
    m_cancel->store(true);
    m_thread->disconnect(this);
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void ExerciseCheck::onThreadDone()
{
    m_thread->deleteLater();
    m_thread = nullptr;
    Q_EMIT finished(false);
}
