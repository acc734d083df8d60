// Figures for a run started from the Run button of the main window, beside varnel-run on the
// same chart: a counting loop at delay 0 with the selection frame following the run.
//   bench_run_button [ITERATIONS]   (default 10,000,000)
// Prints figures; asserts nothing. Without a display setting it draws off screen.

#include "BenchCharts.h"

#include "interp/Numbers.h"
#include "ui/RunControlPanel.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/frmMain.h"
#include "ui/runwin/frmVars.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Repeats = 3;

double bestOf(const std::function<double()> &once)
{
    double best = once();
    for (int i = 1; i < Repeats; ++i)
        best = std::min(best, once());
    return best;
}

double secondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Seconds one varnel-run of the chart takes, its start-up included.
double terminalSeconds(const QString &chart)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(VARNEL_RUN_PATH), {chart});
    process.waitForFinished(-1);
    const double seconds = secondsSince(timer);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::printf("varnel-run did not end normally on %s\n", qPrintable(chart));
    return seconds;
}

// Counts the paints of the drawing surface's viewport.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *viewport) : m_viewport(viewport) { viewport->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints += watched == m_viewport && event->type() == QEvent::Paint;
        return false;
    }

private:
    QWidget *m_viewport;
};

// Seconds from the press on the Run button until the run has ended. The press starts the run
// from the event loop.
double runButtonSeconds(frmMain &window)
{
    bool ended = false;
    const QMetaObject::Connection end =
        QObject::connect(&window.runtime().run, &RunControl::runEnded, [&ended] { ended = true; });
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window.runControls()->cmdRun, Qt::LeftButton);
    QTest::qWaitFor([&ended] { return ended; }, 3600 * 1000);
    const double seconds = secondsSince(timer);
    QObject::disconnect(end);
    if (!window.runtime().run.completedNormally())
        std::printf("the run from the Run button did not reach its END: %s\n", qPrintable(window.log().text()));
    return seconds;
}

void report(const char *what, double ns, double terminalNs)
{
    std::printf("  %-44s %8.1f   %5.1f %% of varnel-run's speed\n", what, ns, 100.0 * terminalNs / ns);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Numbers::useLocale(QLocale::c());
    const int iterations = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10'000'000;
    QTemporaryDir folder;
    const QString chart = folder.filePath(QStringLiteral("sayac.vnp"));
    const QString tiny = folder.filePath(QStringLiteral("bir.vnp"));
    if (iterations < 1 || !BenchCharts::writeCountingLoop(chart, iterations)
        || !BenchCharts::writeCountingLoop(tiny, 1)) {
        std::printf("the counting charts could not be written\n");
        return 1;
    }

    const double startUp = bestOf([&tiny] { return terminalSeconds(tiny); });
    const double terminalNs = (bestOf([&chart] { return terminalSeconds(chart); }) - startUp) * 1e9 / iterations;

    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.project().load_FILE(chart)) {
        std::printf("the main window could not show the chart\n");
        return 1;
    }
    window.runControls()->scroll_ExecutionDelay->setValue(0);
    PaintCounter counter(window.surface()->viewport());
    const double followingSeconds = bestOf([&window] { return runButtonSeconds(window); });
    const int paintsPerRun = counter.paints / Repeats;
    window.vars()->show();
    const double withVarsNs = bestOf([&window] { return runButtonSeconds(window); }) * 1e9 / iterations;

    std::printf("Counting loop of %d iterations at delay 0, ns per iteration (best of %d)\n", iterations, Repeats);
    std::printf("  %-44s %8.1f   (start-up of %.0f ms taken off)\n", "varnel-run", terminalNs, startUp * 1e3);
    report("Run button, frame following", followingSeconds * 1e9 / iterations, terminalNs);
    report("Run button, frame following, variables open", withVarsNs, terminalNs);
    std::printf("  the surface was painted %d times a run (%.0f per second)\n", paintsPerRun,
                paintsPerRun / followingSeconds);
    return 0;
}
