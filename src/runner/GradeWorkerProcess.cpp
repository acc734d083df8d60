#include "runner/GradeWorkerProcess.h"

#include "runner/GradeMessages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <sys/resource.h>

GradeWorkerProcess::GradeWorkerProcess(QString exercisePath, const Exercise &exercise, QObject *parent)
    : QObject(parent), m_exercisePath(std::move(exercisePath)), m_exercise(exercise)
{
    m_stall.setSingleShot(true);
    m_stall.setInterval(int(exercise.seconds * 1000) + GraceMs);
    connect(&m_stall, &QTimer::timeout, this, &GradeWorkerProcess::stalled);
}

GradeWorkerProcess::~GradeWorkerProcess()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(1000))
            m_process->kill();
        m_process->waitForFinished(1000);
    }
}

void GradeWorkerProcess::start()
{
    if (m_process) {
        // Deleted later: this may run inside the old process's own signal.
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setChildProcessModifier([] {
        const rlimit memory{rlim_t(MemoryLimit), rlim_t(MemoryLimit)};
        setrlimit(RLIMIT_AS, &memory);
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });
    connect(m_process, &QProcess::readyReadStandardOutput, this, &GradeWorkerProcess::readAnswers);
    connect(m_process, &QProcess::finished, this, &GradeWorkerProcess::workerEnded);
    m_pending.clear();
    m_killedForStall = false;
    m_answered = false;
    m_process->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--grade-worker"), m_exercisePath});
    if (!m_process->waitForStarted()) {
        Q_EMIT failed(QCoreApplication::translate("GradeWorkerProcess", "Sınama süreci başlatılamadı: ")
                      + m_process->errorString());
        m_job = nullptr;
    }
}

void GradeWorkerProcess::take(GradeJob *job)
{
    m_job = job;
    if (!m_process || m_process->state() == QProcess::NotRunning)
        start();
    if (m_job)
        ask();
}

void GradeWorkerProcess::ask()
{
    const GradeMessages::Request request{QFileInfo(m_job->chart.path).absoluteFilePath(),
                                         int(m_job->grade.tests.size())};
    m_process->write(GradeMessages::request(request));
    m_stall.start();
}

void GradeWorkerProcess::readAnswers()
{
    m_pending += m_process->readAllStandardOutput();
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.first(end);
        m_pending.remove(0, end + 1);
        const std::optional<GradeMessages::Answer> answer = GradeMessages::readAnswer(line);
        if (!answer || !m_job || answer->index != m_job->grade.tests.size())
            continue;
        m_answered = true;
        const ExerciseTest &test = m_exercise.tests[answer->index];
        TestResult result;
        result.name = test.name;
        result.hidden = test.hidden;
        result.ending = answer->ending;
        result.reason = answer->reason;
        result.seconds = answer->seconds;
        record(result);
    }
}

void GradeWorkerProcess::record(const TestResult &result)
{
    m_job->grade.tests.append(result);
    m_job->grade.seconds += result.seconds;
    if (m_job->grade.tests.size() == m_exercise.tests.size())
        finishJob();
    else
        m_stall.start();
}

void GradeWorkerProcess::finishJob()
{
    m_stall.stop();
    GradeJob *job = std::exchange(m_job, nullptr);
    job->done = true;
    Q_EMIT jobDone(job);
}

TestResult GradeWorkerProcess::lostTest(TestResult::Ending ending) const
{
    const ExerciseTest &test = m_exercise.tests[m_job->grade.tests.size()];
    TestResult result;
    result.name = test.name;
    result.hidden = test.hidden;
    result.ending = ending;
    result.reason = TestResult::word(ending);
    result.seconds = ending == TestResult::Ending::TimeLimit ? m_exercise.seconds : 0;
    return result;
}

void GradeWorkerProcess::stalled()
{
    if (!m_job || !m_process)
        return;
    m_killedForStall = true;
    m_process->kill();
}

void GradeWorkerProcess::workerEnded(int exitCode, QProcess::ExitStatus status)
{
    readAnswers();
    m_stall.stop();
    if (!m_job)
        return;
    // A worker that ends of itself before any answer refused the exercise (it said why).
    if (!m_killedForStall && !m_answered && status == QProcess::NormalExit && exitCode == 2) {
        m_job = nullptr;
        Q_EMIT failed(
            QCoreApplication::translate("GradeWorkerProcess", "Sınama süreci alıştırma dosyasını okuyamadı."));
        return;
    }
    GradeJob *const job = m_job;
    record(lostTest(m_killedForStall ? TestResult::Ending::TimeLimit : TestResult::Ending::Crashed));
    // A job that the lost test finished may have made room for the next, which started a new
    // worker already; only the rest of this job still needs one.
    if (m_job == job) {
        start();
        if (m_job)
            ask();
    }
}
