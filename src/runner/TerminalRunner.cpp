#include "runner/TerminalRunner.h"

#include "base/FileErrors.h"

#include <QFileInfo>
#include <string>
#include <unistd.h>

namespace {

void writeUtf8(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
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
    QObject::connect(&m_log, &MessageLog::messageAdded, [this](const QString &m) { printMessage(m); });
    m_log.setModalSink([this](const QString &text, const QString &) { printMessage(text); });
    QObject::connect(&m_runtime.console, &ConsoleScreen::rowFinished, [this](const QString &row) { printRow(row); });
    m_runtime.console.setLineSource([this](const QString &prompt) { return readLine(prompt); });
    m_runtime.interpreter.setBlockLimit(options.maxBlocks);
    m_runtime.run.setDelay(0);
}

void TerminalRunner::printMessage(const QString &message)
{
    std::fflush(stdout);
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    writeUtf8(stderr, text + QLatin1Char('\n'));
    std::fflush(stderr);
}

void TerminalRunner::printRow(const QString &row)
{
    if (m_echoedInput) {
        // The terminal has shown the prompt and echoed the typing already.
        m_echoedInput = false;
        return;
    }
    writeUtf8(stdout, row + QLatin1Char('\n'));
}

std::optional<QString> TerminalRunner::readLine(const QString &prompt)
{
    if (m_interactive) {
        writeUtf8(stdout, prompt + QStringLiteral(" >"));
        std::fflush(stdout);
    }
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::getchar()) != EOF && c != '\n') {
        line.push_back(char(c));
        any = true;
    }
    if (c == EOF && !any) {
        if (m_interactive)
            writeUtf8(stdout, QStringLiteral("\n"));
        m_log.mBox(QStringLiteral("Girdi sona erdi: \"") + prompt + QStringLiteral("\" için satır okunamadı."));
        m_runtime.run.TerminateExecution();
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    m_echoedInput = m_interactive;
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

int TerminalRunner::exec()
{
    const QFileInfo info(m_options.file);
    if (!info.isFile()) {
        printMessage(FileErrors::notFound(m_options.file));
        return 2;
    }
    if (!m_project.load_FILE(info.absoluteFilePath()))
        return 2;
    m_runtime.run.cmdRun_ClickP();
    if (m_runtime.run.runInProgress())
        m_runtime.run.TerminateExecution();
    std::fflush(stdout);
    return m_runtime.run.completedNormally() ? 0 : 1;
}
