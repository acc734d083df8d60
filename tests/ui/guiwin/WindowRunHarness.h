#pragma once

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "interp/ConsoleScreen.h"
#include "interp/RunControl.h"
#include "interp/Runtime.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "support/LocaleScope.h"
#include "support/WindowOnlyHost.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiTestPrinting.h"
#include "ui/guiwin/RunWindowHost.h"
#include "ui/guiwin/frmWindow.h"

#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>

// The pixel at a logical position of a picture's surface, at any scale.
inline QRgb pixelAt(const QImage &image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(qRound(x * ratio), qRound(y * ratio));
}

// One project and its runtime with the run-time window, the console rows and the messages of
// its runs collected; charts run from the example folder.
class WindowRunHarness {
public:
    WindowRunHarness()
    {
        host.windows = std::make_unique<RunWindowHost>(nullptr, parts, runtime.run);
        QObject::connect(&log, &MessageLog::messageAdded, &log, [this](const QString &m) { messages.append(m); });
        QObject::connect(&runtime.console, &ConsoleScreen::rowFinished, &log,
                         [this](const QString &row) { rows.append(row); });
    }
    ~WindowRunHarness()
    {
        if (runtime.run.runInProgress())
            runtime.run.TerminateExecution();
        host.windows.reset();
    }

    static QString example(const QString &file) { return QStringLiteral(VARNEL_SOURCE_DATA "/Examples/") + file; }

    // Loads the chart and starts it; true once the run waits at its window.
    bool start(const QString &path, int delay = 0)
    {
        if (!project.load_FILE(path))
            return false;
        runtime.run.setDelay(delay);
        runtime.run.cmdRun_ClickP();
        return waitFor([this] { return waiting(); });
    }

    // The run waits at the window's WINDOW block with nothing running or waiting its turn.
    bool waiting() const
    {
        const cBlock *at = runtime.run.currentBlock();
        return window() && at && at->zAction() == QStringLiteral("WINDOW") && !runtime.run.timerEnabled()
               && !host.windows->session().eventRunning() && host.windows->session().pendingEvents() == 0;
    }
    bool ended() const { return !runtime.run.runInProgress(); }

    // A click as the user makes it; true once its event has run and the run waits again (or
    // has ended). The event runs from the event loop, after the click has returned.
    bool click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton, QPoint pos = QPoint())
    {
        QTest::mouseClick(widget, button, {}, pos);
        QCoreApplication::processEvents();
        return waitFor([this] { return waiting() || ended(); });
    }
    // Typing, one key a character (Turkish letters included).
    static void type(QWidget *widget, const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
    {
        return QTest::qWaitFor(condition, timeoutMs);
    }

    frmWindow *window() const { return host.windows->window(); }
    QWidget *widget(const QString &name) const { return window()->theGUI().item(name)->objGUI(); }
    QString text(const QString &name) const { return window()->theGUI().item(name)->sText(); }
    QString var(const QString &name) { return runtime.vars.ifVarGetValue(name); }
    bool statement(const QString &target, const QString &source)
    {
        return host.processObjectDefinition(target, source);
    }

    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    MessageLog log;
    Project project{&log};
    WindowOnlyHost host;
    Runtime runtime{project, log, host};
    RunParts parts{project, runtime.vars, runtime.console, runtime.stack, log, host, runtime.flags};
    QStringList messages;
    QStringList rows;
};
