#include "ui/export/ChartExportCommands.h"

#include "interp/Breakpoints.h"
#include "project/Project.h"
#include "render/ChartRenderer.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

ChartExportCommands::ChartExportCommands(Project &project, QWidget *window, QAction *saveImage, QAction *print,
                                         QObject *parent)
    : QObject(parent),
      m_project(project),
      m_window(window)
{
    connect(saveImage, &QAction::triggered, this, &ChartExportCommands::saveImage);
    connect(print, &QAction::triggered, this, &ChartExportCommands::print);
}

namespace {

const QString breakpointsKey = QStringLiteral("export/breakpoints");

} // namespace

void ChartExportCommands::showBreakpointsWith(QAction *toggle, const Breakpoints &breakpoints)
{
    m_breakpointToggle = toggle;
    m_breakpoints = &breakpoints;
    toggle->setCheckable(true);
    toggle->setChecked(QSettings().value(breakpointsKey, false).toBool());
    connect(toggle, &QAction::toggled, this, [](bool on) { QSettings().setValue(breakpointsKey, on); });
}

void ChartExportCommands::markBreakpoints(ChartRenderer &renderer) const
{
    if (m_breakpoints && m_breakpointToggle && m_breakpointToggle->isChecked())
        renderer.markBreakpoints(m_project,
                                 m_breakpoints->tagsOf(Breakpoints::chartKey(m_project.projectPath())));
}

void ChartExportCommands::saveImage()
{
    ChartRenderer renderer(m_project);
    markBreakpoints(renderer);
    if (refusedEmpty(renderer))
        return;
    const QString path = askImagePath();
    if (!path.isEmpty())
        saveWith(renderer, path);
}

QString ChartExportCommands::askImagePath()
{
    QFileDialog dialog(m_window, tr("Resim Olarak Kaydet"), suggestedPath(), ChartExport::filters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = ChartExport::filters().split(QStringLiteral(";;"));
    dialog.selectNameFilter(filters.at(int(m_lastFormat)));
    dialog.setDefaultSuffix(ChartExport::suffixOf(m_lastFormat));
    // A name typed without a suffix gets the chosen format's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(ChartExport::suffixOf(ChartExport::formatOfFilter(filter)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString ChartExportCommands::suggestedPath() const
{
    const QFileInfo chart(m_project.projectPath());
    const QString name = m_project.projectPath().isEmpty() ? tr("Adsız") : chart.completeBaseName();
    QString folder = m_lastFolder;
    if (folder.isEmpty())
        folder = m_project.projectPath().isEmpty() ? QDir::homePath() : chart.absolutePath();
    return QDir(folder).filePath(name + u'.' + ChartExport::suffixOf(m_lastFormat));
}

bool ChartExportCommands::saveImageTo(const QString &path)
{
    ChartRenderer renderer(m_project);
    markBreakpoints(renderer);
    return saveWith(renderer, path);
}

bool ChartExportCommands::saveWith(ChartRenderer &renderer, const QString &path)
{
    ChartExport exporter;
    if (!exporter.save(renderer, path)) {
        showError(exporter.errorText());
        return false;
    }
    m_lastFormat = *ChartExport::formatOf(path);
    m_lastFolder = QFileInfo(path).absolutePath();
    return true;
}

void ChartExportCommands::print()
{
    ChartRenderer renderer(m_project);
    markBreakpoints(renderer);
    if (refusedEmpty(renderer))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_project.projectPath().isEmpty() ? tr("Adsız")
                                                         : QFileInfo(m_project.projectPath()).completeBaseName());
    const QRectF chart = renderer.sourceRect();
    printer.setPageOrientation(chart.width() > chart.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Yazdır"));
    if (dialog.exec() == QDialog::Accepted)
        printWith(renderer, printer);
}

bool ChartExportCommands::printOn(QPrinter &printer)
{
    ChartRenderer renderer(m_project);
    markBreakpoints(renderer);
    return !refusedEmpty(renderer) && printWith(renderer, printer);
}

bool ChartExportCommands::printWith(ChartRenderer &renderer, QPrinter &printer)
{
    if (renderer.renderPage(printer))
        return true;
    showError(tr("Akış şeması yazdırılamadı: yazıcı hazır değil."));
    return false;
}

// An empty chart has no picture: better said at once than after the dialog.
bool ChartExportCommands::refusedEmpty(const ChartRenderer &renderer)
{
    if (!renderer.isEmpty())
        return false;
    showError(ChartExport::emptyChartText());
    return true;
}

void ChartExportCommands::showError(const QString &text)
{
    QMessageBox::warning(m_window, Project::baseTitle(), text);
}
