#include "exercise/TestRun.h"

#include "exercise/LineComparer.h"

#include <QFileInfo>

namespace {

// What the interpreter says when it stops a run at its block limit.
QString blockLimitMessage(qint64 limit)
{
    return QStringLiteral("Çalıştırma sınırı aşıldı: program ") + QString::number(limit)
        + QStringLiteral(" bloktan fazlasını çalıştırdı.");
}

// A message on one line: the caught-error message's heading dropped, its lines joined.
QString oneLine(const QString &message)
{
    QStringList lines = message.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.size() > 1 && lines.first().startsWith(QStringLiteral("timerRunner_Timer().")))
        lines.removeFirst();
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join(QStringLiteral(", "));
}

} // namespace

TestRun::TestRun(const Exercise &exercise, const ExerciseTest &test, const std::atomic_bool *cancel)
    : m_exercise(exercise), m_test(test), m_cancel(cancel)
{
    m_project.setTrackCurrentBlock(false);
    QObject::connect(&m_log, &MessageLog::messageAdded, &m_watch, [this](const QString &m) { m_lastMessage = m; });
    // The SQL notice would wait for a button: here it is one more message.
    m_log.setModalSink([this](const MessageText &text, const QString &) { m_lastMessage = text.turkish(); });
    QObject::connect(&m_runtime.console, &ConsoleScreen::rowFinished, &m_watch,
                     [this](const QString &row) { collectRow(row); });
    m_runtime.console.setLineSource([this](const QString &) { return nextInput(); });
    m_runtime.interpreter.setBlockLimit(exercise.maxBlocks);
    m_runtime.run.setDelay(0);
    m_watch.setInterval(WatchIntervalMs);
    QObject::connect(&m_watch, &QTimer::timeout, [this] { watch(); });
}

std::optional<QString> TestRun::nextInput()
{
    if (m_nextInput >= m_test.input.size()) {
        stop(TestResult::Ending::InputEnded);
        return std::nullopt;
    }
    m_inputRowNext = true;
    return m_test.input[m_nextInput++];
}

void TestRun::collectRow(const QString &row)
{
    m_characters += row.size() + 1;
    if (m_characters > MaxOutputCharacters) {
        stop(TestResult::Ending::OutputLimit);
        return;
    }
    m_transcript.append(row);
    if (!m_inputRowNext)
        m_output.append(row);
    m_inputRowNext = false;
}

void TestRun::watch()
{
    if (m_cancel && m_cancel->load(std::memory_order_relaxed))
        stop(TestResult::Ending::Cancelled);
    else if (m_clock.elapsed() > qint64(m_exercise.seconds * 1000))
        stop(TestResult::Ending::TimeLimit);
}

void TestRun::stop(TestResult::Ending ending)
{
    if (!m_stoppedBy)
        m_stoppedBy = ending;
    if (m_runtime.run.runInProgress())
        m_runtime.run.TerminateExecution();
}

TestResult TestRun::exec(const QString &chartPath)
{
    m_clock.start();
    TestResult result;
    result.name = m_test.name;
    result.hidden = m_test.hidden;
    const QFileInfo info(chartPath);
    if (m_cancel && m_cancel->load()) {
        result.ending = TestResult::Ending::Cancelled;
    } else if (!info.isFile() || !m_project.load_FILE(info.absoluteFilePath())) {
        result.ending = TestResult::Ending::NotLoaded;
        const QString why = info.isFile() ? oneLine(m_lastMessage) : QStringLiteral("dosya bulunamadı");
        result.reason = QStringLiteral("yüklenemedi: ") + why;
    } else {
        m_watch.start();
        m_runtime.run.cmdRun_ClickP();
        // A chart left waiting (by nothing this host does, but never trusted) is ended here.
        if (m_runtime.run.runInProgress())
            m_runtime.run.TerminateExecution();
        m_watch.stop();
        finish(result);
    }
    if (result.reason.isEmpty())
        result.reason = TestResult::word(result.ending);
    result.seconds = double(m_clock.nsecsElapsed()) / 1e9;
    return result;
}

void TestRun::finish(TestResult &result)
{
    if (m_stoppedBy) {
        result.ending = *m_stoppedBy;
        return;
    }
    if (!m_runtime.run.completedNormally()) {
        const bool limit = m_lastMessage == blockLimitMessage(m_exercise.maxBlocks);
        result.ending = limit ? TestResult::Ending::BlockLimit : TestResult::Ending::Error;
        if (!limit)
            result.reason = QStringLiteral("hata: ") + messageReason();
        return;
    }
    const LineComparer comparer(m_test.compare, QLocale(m_exercise.locale));
    result.difference = comparer.firstDifference(m_test.expected, m_test.wholeTranscript ? m_transcript : m_output);
    if (result.difference) {
        result.ending = TestResult::Ending::Different;
        result.reason = QStringLiteral("çıktı farklı: ") + result.difference->text();
    }
}

QString TestRun::messageReason() const
{
    return m_lastMessage.isEmpty() ? QStringLiteral("program sonuna ulaşmadı") : oneLine(m_lastMessage);
}
