// Figures for a run started from the Run button of the main window, beside varnel-run on the
// same chart: a counting loop at delay 0 with the selection frame following the run.
//   bench_run_button [ITERATIONS]   (default 10,000,000)
// Prints figures; asserts nothing. Without a display setting it draws off screen. Beside the
// wall-clock time it gives the processor time, which a machine busy with other work disturbs less.

#include "BenchCharts.h"

#include "interp/Numbers.h"
#include "ui/run/RunControlPanel.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/main/frmMain.h"
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
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int Repeats = 5;

struct Timing {
    double wall = 0; // seconds
    double cpu = 0;  // seconds of processor time, user and system
};

// The shortest of the timings added, wall-clock and processor time each on its own.
struct Best {
    Timing best{1e300, 1e300};
    void add(const Timing &each)
    {
        best.wall = std::min(best.wall, each.wall);
        best.cpu = std::min(best.cpu, each.cpu);
    }
};

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// Processor time of the finished child processes so far.
double childrenCpu()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double processCpu()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// One varnel-run of the chart, its start-up included.
Timing terminalRun(const QString &chart)
{
    QProcess process;
    const double cpuBefore = childrenCpu();
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(VARNEL_RUN_PATH), {chart});
    process.waitForFinished(-1);
    const Timing timing{double(timer.nsecsElapsed()) / 1e9, childrenCpu() - cpuBefore};
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::printf("varnel-run did not end normally on %s\n", qPrintable(chart));
    return timing;
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

// From the press on the Run button until the run has ended. The press starts the run from the
// event loop.
Timing runButtonRun(frmMain &window)
{
    bool ended = false;
    const QMetaObject::Connection end =
        QObject::connect(&window.runtime().run, &RunControl::runEnded, [&ended] { ended = true; });
    const double cpuBefore = processCpu();
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window.runControls()->cmdRun, Qt::LeftButton);
    const bool finished = QTest::qWaitFor([&ended] { return ended; }, 3600 * 1000);
    const Timing timing{double(timer.nsecsElapsed()) / 1e9, processCpu() - cpuBefore};
    QObject::disconnect(end);
    if (!finished || !window.runtime().run.completedNormally())
        std::printf("the run from the Run button did not reach its END: %s\n", qPrintable(window.log().text()));
    return timing;
}

void report(const char *what, const Timing &ns, const Timing &terminalNs)
{
    std::printf("  %-44s %8.1f %8.1f   %5.1f %% and %5.1f %% of varnel-run's speed\n", what, ns.wall, ns.cpu,
                100.0 * terminalNs.wall / ns.wall, 100.0 * terminalNs.cpu / ns.cpu);
}

Timing perIteration(const Timing &total, int iterations)
{
    return {total.wall * 1e9 / iterations, total.cpu * 1e9 / iterations};
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

    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.project().load_FILE(chart)) {
        std::printf("the main window could not show the chart\n");
        return 1;
    }
    window.runControls()->scroll_ExecutionDelay->setValue(0);
    PaintCounter counter(window.surface()->viewport());

    // The figures are taken in turn, so that a machine busy with other work slows them alike.
    Best startUp, terminal, following, withVars;
    int paints = 0;
    for (int i = 0; i < Repeats; ++i) {
        startUp.add(terminalRun(tiny));
        terminal.add(terminalRun(chart));
        window.vars()->hide();
        const int paintsBefore = counter.paints;
        following.add(runButtonRun(window));
        paints = counter.paints - paintsBefore;
        window.vars()->show();
        withVars.add(runButtonRun(window));
    }
    const Timing terminalNs = perIteration(
        {terminal.best.wall - startUp.best.wall, terminal.best.cpu - startUp.best.cpu}, iterations);

    std::printf("Counting loop of %d iterations at delay 0, ns per iteration (best of %d): wall-clock, processor\n",
                iterations, Repeats);
    std::printf("  %-44s %8.1f %8.1f   (start-up of %.0f ms taken off)\n", "varnel-run", terminalNs.wall,
                terminalNs.cpu, startUp.best.wall * 1e3);
    report("Run button, frame following", perIteration(following.best, iterations), terminalNs);
    report("Run button, frame following, variables open", perIteration(withVars.best, iterations), terminalNs);
    std::printf("  the surface was painted %d times in the last run (%.0f per second)\n", paints,
                paints / following.best.wall);
    return 0;
}
