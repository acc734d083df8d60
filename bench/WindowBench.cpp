// Figures for the run-time window: how long a window of 200 objects takes to open, and how a
// chart that draws 10,000 lines on a picture at delay 0 runs and how often the picture is
// painted meanwhile. Prints figures; asserts nothing.

#include "base/MessageLog.h"
#include "interp/RunControl.h"
#include "interp/Runtime.h"
#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "support/WindowOnlyHost.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiPicture.h"
#include "ui/guiwin/RunWindowHost.h"
#include "ui/guiwin/frmWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Bench {
    Bench()
    {
        project.setTrackCurrentBlock(true);
        host.windows = std::make_unique<RunWindowHost>(nullptr, parts, runtime.run);
    }
    ~Bench()
    {
        if (runtime.run.runInProgress())
            runtime.run.TerminateExecution();
        host.windows.reset();
    }

    // Chart blocks linked in order; returns the tags.
    QStringList chain(const QList<QStringList> &steps)
    {
        QStringList tags;
        for (const QStringList &step : steps) {
            const QString tag = project.theBlockCollection().getFreeTagID();
            cBlock *block = project.theBlockCollection().AddShape(0, tag, 100, float(40 * tags.size()));
            block->setZAction(step.value(0));
            block->setZParam1(step.value(1));
            block->setZParam2(step.value(2));
            block->setZParam3(step.value(3));
            if (!tags.isEmpty())
                project.theLineCollection().AddLine(tags.back(), tag, QString());
            tags.append(tag);
        }
        return tags;
    }
    void save(const QString &path)
    {
        project.saveProjectFile(path);
        project.theLineCollection().clear();
        project.theBlockCollection().clear();
    }
    bool waiting() const
    {
        const cBlock *at = runtime.run.currentBlock();
        return host.windows->window() && at && at->zAction() == QStringLiteral("WINDOW")
               && !runtime.run.timerEnabled() && !host.windows->session().eventRunning();
    }
    // Milliseconds from the run button until the run waits at its window.
    double runToWindow(const QString &path)
    {
        project.load_FILE(path);
        runtime.run.setDelay(0);
        QElapsedTimer timer;
        timer.start();
        runtime.run.cmdRun_ClickP();
        if (!QTest::qWaitFor([this] { return waiting(); }, 60000))
            std::printf("the window did not open\n");
        return double(timer.nsecsElapsed()) / 1e6;
    }

    MessageLog log;
    Project project{&log};
    WindowOnlyHost host;
    Runtime runtime{project, log, host};
    RunParts parts{project, runtime.vars, runtime.console, runtime.stack, log, host, runtime.flags};
};

QString twoHundredObjects()
{
    static const char *const kinds[] = {"BUTTON", "TAREA", "PIC", "TBOX"};
    QString records;
    for (int i = 0; i < 200; ++i) {
        const int x = 60 + (i % 20) * 600;
        const int y = 60 + (i / 20) * 600;
        records += QStringLiteral("%1|o%2|yazı %2|%3|%4|540|540|tikla||").arg(QLatin1String(kinds[i % 4])).arg(i).arg(x).arg(y);
    }
    return records;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint && qobject_cast<GuiPicture *>(watched);
        return false;
    }
};

void openLargeWindow(const QString &folder)
{
    Bench bench;
    bench.chain({{"START"}, {"WINDOW", "12300|6300|", twoHundredObjects(), "||"}, {"STOP"}});
    const QString path = folder + QStringLiteral("/pencere200.vnp");
    bench.save(path);
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        times.push_back(bench.runToWindow(path));
        bench.runtime.run.TerminateExecution();
        QTest::qWait(20);
    }
    std::printf("window with 200 objects: opened in %.1f ms (median of 7; min %.1f, max %.1f)\n", median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
}

void drawTenThousandLines(const QString &folder)
{
    Bench bench;
    bench.chain({{"START"}, {"WINDOW", "6000|4500|", "PIC|p||0|0|6000|4500|||", "ciz||"}, {"STOP"}});
    bench.save(folder + QStringLiteral("/cizim.vnp"));
    // ciz: i = 0; while i < 10000: p.LINE = "0," + (i mod 300) + ",399,0"; i = i + 1.
    const QStringList tags = bench.chain({{"START"},
                                          {"DEFINITION", "i", "0"},
                                          {"IF_LESS", "i", "10000"},
                                          {"MODULE", "i", "300", "y"},
                                          {"JOIN", "\"0,\"", "y", "c"},
                                          {"JOIN", "c", "\",399,0\"", "c"},
                                          {"DEFINITION", "p.LINE", "c"},
                                          {"ADD", "i", "1", "i"}});
    const QString stop = bench.chain({{"STOP"}}).first();
    Line_Collection &lines = bench.project.theLineCollection();
    lines.clear();
    for (int i = 0; i + 1 < tags.size(); ++i)
        lines.AddLine(tags[i], tags[i + 1], i == 2 ? QStringLiteral("EVET") : QString());
    lines.AddLine(tags.last(), tags[2], QString());
    lines.AddLine(tags[2], stop, QStringLiteral("HAYIR"));
    bench.save(folder + QStringLiteral("/ciz.vnp"));

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    bench.project.load_FILE(folder + QStringLiteral("/cizim.vnp"));
    bench.runtime.run.setDelay(0);
    QElapsedTimer timer;
    timer.start();
    bench.runtime.run.cmdRun_ClickP();
    const bool done = QTest::qWaitFor(
        [&] { return bench.waiting() && bench.runtime.vars.ifVarGetValue(QStringLiteral("i")) == QStringLiteral("10000"); },
        60000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("10,000 LINEs at delay 0: %.0f ms%s, picture painted %d times (%.0f per second)%s\n", ms,
                done ? "" : " (not finished)", counter.paints, counter.paints / (ms / 1000.0),
                bench.log.text().isEmpty() ? "" : " with messages");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    openLargeWindow(folder.path());
    drawTenThousandLines(folder.path());
    return 0;
}
