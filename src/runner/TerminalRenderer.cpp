#include "runner/TerminalRenderer.h"

#include "base/FileErrors.h"
#include "base/FileKind.h"
#include "render/ChartExport.h"
#include "render/ChartRenderer.h"
#include "render/SurfaceFonts.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

// Qt's own notes (no runtime folder, a font it falls back from) would bury the runner's
// messages in a loop over a whole class's charts; only its serious ones are shown.
void seriousOnly(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

} // namespace

std::unique_ptr<QCoreApplication> TerminalRenderer::makeApplication(int &argc, char **argv)
{
    qInstallMessageHandler(seriousOnly);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

TerminalRenderer::TerminalRenderer(const QString &chart, const QString &output)
    : m_chart(chart),
      m_output(output),
      m_project(&m_log)
{
    // Messages in the interface's language: Turkish unless --lang en installed the English.
    QObject::connect(&m_log, &MessageLog::messageAdded,
                     [this](const QString &) { printMessage(m_log.messages().constLast().translated()); });
    m_log.setModalSink([this](const MessageText &text, const QString &) { printMessage(text.translated()); });
    // Captions are laid out as the desktop program lays them out, in the fonts they are drawn in.
    m_project.context().setTextMeasure(&SurfaceFonts::measure());
}

void TerminalRenderer::printMessage(const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

int TerminalRenderer::exec()
{
    if (!ChartExport::formatOf(m_output)) {
        printMessage(
            QCoreApplication::translate("TerminalRenderer", "--render bir .png, .svg ya da .pdf dosya adı bekliyor: ")
            + m_output);
        return 2;
    }
    const QFileInfo info(m_chart);
    if (!info.isFile()) {
        const QString kind = FileKind::nonFileKind(m_chart);
        printMessage(kind.isEmpty() ? FileErrors::notFound(m_chart)
                                    : QCoreApplication::translate("TerminalRenderer", "%1 %2, proje dosyası değil.")
                                          .arg(m_chart, kind));
        return 2;
    }
    if (!m_project.load_FILE(info.absoluteFilePath())) {
        printMessage(m_chart + QCoreApplication::translate("TerminalRenderer", " okunamadı; resmi çizilmedi."));
        return 2;
    }
    ChartRenderer renderer(m_project, &m_log);
    ChartExport exporter;
    if (!exporter.save(renderer, m_output)) {
        printMessage(exporter.errorText());
        return 2;
    }
    return 0;
}
