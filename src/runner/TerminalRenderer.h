#pragma once

#include "base/MessageLog.h"
#include "project/Project.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

// Draws a chart into a PNG, SVG or PDF file without a display, the way the desktop program's
// "Resim Olarak Kaydet..." does, so that a teacher can draw a whole class's charts in one
// shell loop. Messages go to standard error.
class TerminalRenderer {
public:
    // The application of rendering: widgets on the offscreen platform, which needs no display.
    // Only rendering makes one; a run stays a Qt Core program.
    static std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);

    TerminalRenderer(const QString &chart, const QString &output);

    // 0: the picture was written whole; 2: it was not (the suffix names no picture format, the
    // chart could not be read or is empty, or the file could not be written), and nothing was
    // left behind.
    int exec();

private:
    void printMessage(const QString &message);

    QString m_chart;
    QString m_output;
    MessageLog m_log;
    Project m_project;
};
