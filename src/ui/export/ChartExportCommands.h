#pragma once

#include "render/ChartExport.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Breakpoints;
class ChartRenderer;
class Project;
class QAction;
class QPrinter;
class QWidget;

// The file menu's "Resim Olarak Kaydet..." (the whole chart as a PNG, SVG or PDF file) and
// "Yazdır..." (the whole chart on one printed page). Both draw what the surface shows, without
// the selection frame; a failure is told in a message box and changes nothing.
class ChartExportCommands : public QObject {
    Q_OBJECT
public:
    // saveImage and print are the file menu's two entries, which run the commands.
    ChartExportCommands(Project &project, QWidget *window, QAction *saveImage, QAction *print,
                        QObject *parent = nullptr);

    // The file menu's toggle that puts the chart's breakpoints in pictures and prints, as red
    // dots like the surface's; off by default (a picture for a worksheet has none), remembered.
    void showBreakpointsWith(QAction *toggle, const Breakpoints &breakpoints);

    // Asks for a file name and saves the picture there.
    void saveImage();
    // Asks for a printer and prints the chart.
    void print();

    // The picture of the chart in the file path names, its format by the suffix; false (after
    // the message) when it was not saved.
    bool saveImageTo(const QString &path);
    // Prints on a printer set up already; false (after the message) when nothing was printed.
    bool printOn(QPrinter &printer);
    // The name the save dialog proposes: the chart's, with the format used last, in the folder
    // used last (at first the chart's).
    QString suggestedPath() const;

private:
    QString askImagePath();
    bool saveWith(ChartRenderer &renderer, const QString &path);
    void markBreakpoints(ChartRenderer &renderer) const;
    bool printWith(ChartRenderer &renderer, QPrinter &printer);
    bool refusedEmpty(const ChartRenderer &renderer);
    void showError(const QString &text);

    Project &m_project;
    QPointer<QWidget> m_window;
    QPointer<QAction> m_breakpointToggle;
    const Breakpoints *m_breakpoints = nullptr;
    ChartExport::Format m_lastFormat = ChartExport::Format::Png;
    QString m_lastFolder;
};
