#include "runner/TerminalRunner.h"

#include "base/CheckedFileWriter.h"
#include "base/FileErrors.h"
#include "base/FileKind.h"
#include "interp/TextRules.h"
#include "runner/TraceFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <string>
#include <unistd.h>

namespace {

// false when not every byte went (errno says why).
bool writeUtf8(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream)
        == std::size_t(bytes.size());
}

QString outputFailure(int errnum)
{
    if (errnum == EBADF || errnum == EPIPE)
        return QCoreApplication::translate("TerminalRunner", "standart çıktı kapalı");
    return FileErrors::text(CheckedFileWriter::numberOfErrno(errnum));
}

} // namespace

TerminalRunner::TerminalRunner(const Options &options)
    : m_options(options),
      m_project(&m_log),
      m_host(m_log),
      m_runtime(m_project, m_log, m_host),
      m_interactive(isatty(STDIN_FILENO) != 0)
{
    m_project.setTrackCurrentBlock(false);
    // Messages in the interface's language: Turkish unless --lang en installed the English.
    QObject::connect(&m_log, &MessageLog::messageAdded,
                     [this](const QString &) { printMessage(m_log.messages().constLast().translated()); });
    m_log.setModalSink([this](const MessageText &text, const QString &) { printMessage(text.translated()); });
    QObject::connect(&m_runtime.console, &ConsoleScreen::rowFinished, [this](const QString &row) { printRow(row); });
    m_runtime.console.setLineSource([this](const QString &prompt) { return readLine(prompt); });
    m_runtime.interpreter.setBlockLimit(options.maxBlocks);
    m_runtime.run.setDelay(0);
}

TerminalRunner::~TerminalRunner() = default;

// The trace file is opened before the run, so that a run is not made for a file that cannot be.
bool TerminalRunner::startRecords()
{
    if (!m_options.countsFile.isEmpty())
        m_runtime.run.debugger().setCountsOn(true);
    if (m_options.traceFile.isEmpty())
        return true;
    m_trace = std::make_unique<TraceFile>(m_options.traceFile);
    if (!m_trace->isOpen()) {
        printMessage(QCoreApplication::translate("TerminalRunner", "İz dosyası yazılamadı: ") + m_options.traceFile
                     + QStringLiteral(": ") + m_trace->errorText());
        return false;
    }
    m_runtime.run.debugger().setTrace([this](const QString &chart, const BlockRecord &record) {
        QString line = chart + u' ' + record.tag;
        if (!record.caption.isEmpty())
            line += u' ' + record.caption;
        m_trace->addLine(line);
    });
    return true;
}

bool TerminalRunner::finishRecords()
{
    bool written = true;
    if (m_trace && !m_trace->finish()) {
        printMessage(QCoreApplication::translate("TerminalRunner", "İz dosyası yazılamadı: ") + m_options.traceFile
                     + QStringLiteral(": ") + m_trace->errorText());
        written = false;
    }
    if (!m_options.countsFile.isEmpty()) {
        CheckedFileWriter writer(m_options.countsFile);
        if (!writer.write(m_runtime.run.debugger().counts().csv())) {
            printMessage(QCoreApplication::translate("TerminalRunner", "Çalışma sayıları dosyası yazılamadı: ")
                         + m_options.countsFile + QStringLiteral(": ") + writer.errorText());
            written = false;
        }
    }
    return written;
}

void TerminalRunner::writeOutput(const QString &text)
{
    if (m_outputErrno == 0 && !writeUtf8(stdout, text))
        outputFailed();
}

void TerminalRunner::flushOutput()
{
    if (m_outputErrno == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        outputFailed();
}

// A transcript with a gap in it is worth nothing: the run stops, and ends as a failure.
void TerminalRunner::outputFailed()
{
    m_outputErrno = errno != 0 ? errno : EIO;
    if (m_runtime.run.runInProgress())
        m_runtime.run.TerminateExecution();
}

void TerminalRunner::printMessage(const QString &message)
{
    flushOutput();
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    writeUtf8(stderr, text + QLatin1Char('\n'));
    std::fflush(stderr);
}

void TerminalRunner::printRow(const QString &row)
{
    if (m_skipInputRow) {
        m_skipInputRow = false;
        return;
    }
    writeOutput(row + QLatin1Char('\n'));
}

std::optional<QString> TerminalRunner::readLine(const QString &prompt)
{
    if (m_interactive) {
        writeOutput(prompt + QStringLiteral(" >"));
        flushOutput();
    }
    // A line longer than any text may be is read to its end but kept only so far: far enough
    // that INPUT's length rule refuses it (three bytes make at least one character), without
    // holding all of it in memory.
    constexpr size_t keptBytes = 3 * size_t(TextRules::MaxLength) + 1;
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = getc_unlocked(stdin)) != EOF && c != '\n') {
        if (line.size() < keptBytes)
            line.push_back(char(c));
        any = true;
    }
    if (c == EOF && !any) {
        if (m_interactive)
            writeOutput(QStringLiteral("\n"));
        m_log.mBox(QStringLiteral("Girdi sona erdi: \"") + prompt + QStringLiteral("\" için satır okunamadı."));
        m_runtime.run.TerminateExecution();
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
    // A line INPUT refuses ends the run with its message; it never reaches the transcript.
    m_skipInputRow = m_interactive || text.size() > TextRules::MaxLength;
    return text;
}

int TerminalRunner::exec()
{
    const QFileInfo info(m_options.file);
    if (!info.isFile()) {
        const QString kind = FileKind::nonFileKind(m_options.file);
        printMessage(kind.isEmpty() ? FileErrors::notFound(m_options.file)
                                    : QCoreApplication::translate("TerminalRunner", "%1 %2, proje dosyası değil.")
                                          .arg(m_options.file, kind));
        return 2;
    }
    if (!m_project.load_FILE(info.absoluteFilePath()) || !startRecords())
        return 2;
    m_runtime.run.cmdRun_ClickP();
    if (m_runtime.run.runInProgress())
        m_runtime.run.TerminateExecution();
    flushOutput();
    if (!finishRecords())
        return 2;
    if (m_outputErrno != 0) {
        printMessage(QCoreApplication::translate("TerminalRunner", "Program çıktısı yazılamadı: ")
                     + outputFailure(m_outputErrno));
        return 1;
    }
    return m_runtime.run.completedNormally() ? 0 : 1;
}
