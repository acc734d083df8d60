#pragma once

#include "support/LocaleScope.h"

// Helpers shared by the interpreter tests: charts built in memory or written as chart files,
// a host that records what the interpreter asks of the screen, and the wired runtime of one
// project that collects the console rows and the messages of its runs.

#include "interp/Numbers.h"
#include "interp/RunHost.h"
#include "interp/Runtime.h"
#include "model/cBlock.h"
#include "model/cLine.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <vector>

namespace ChartTest {

using ::LocaleScope;

// One block of a chart: its action code and parameters.
struct Step {
    Step(const char *code, const QString &param1 = {}, const QString &param2 = {}, const QString &param3 = {})
        : action(QString::fromUtf8(code)), p1(param1), p2(param2), p3(param3)
    {
    }
    Step(const QString &code, const QString &param1 = {}, const QString &param2 = {},
         const QString &param3 = {})
        : action(code), p1(param1), p2(param2), p3(param3)
    {
    }

    QString action;
    QString p1;
    QString p2;
    QString p3;
};

// The shape the editor would give a block with this action code. The interpreter ignores it;
// it only makes written charts look like the editor's.
inline qint16 shapeFor(const QString &action)
{
    if (action == QLatin1String("START") || action == QLatin1String("STOP"))
        return 2;
    if (action == QLatin1String("INTERSECTION"))
        return 3;
    if (action == QLatin1String("INPUT") || action == QLatin1String("OUTPUT"))
        return 91;
    if (action.startsWith(QLatin1String("IF_")))
        return 92;
    if (action == QLatin1String("FUNCTION"))
        return 93;
    return 0;
}

// Builds a chart in a project through the collections, the way the editor does. Blocks get
// the tags "id1", "id2", ... in order of creation.
class ChartBuilder {
public:
    explicit ChartBuilder(Project &project) : m_project(project) {}

    QString addStep(const Step &step)
    {
        Block_Collection &blocks = m_project.theBlockCollection();
        const QString tag = blocks.getFreeTagID();
        const float top = float(20 + 60 * blocks.Count());
        cBlock *block = blocks.AddShape(shapeFor(step.action), tag, 100, top);
        if (block->hasElement()) {
            block->setShapeWidth(90);
            block->setShapeHeight(40);
        }
        block->setZAction(step.action);
        block->setZParam1(step.p1);
        block->setZParam2(step.p2);
        block->setZParam3(step.p3);
        return tag;
    }

    QString add(const QString &action, const QString &p1 = {}, const QString &p2 = {},
                const QString &p3 = {})
    {
        return addStep(Step{action, p1, p2, p3});
    }

    void link(const QString &from, const QString &to, const QString &caption = {})
    {
        m_project.theLineCollection().AddLine(from, to, caption);
    }

    // The blocks, each linked to the next; returns their tags in order.
    QStringList chain(std::initializer_list<Step> steps)
    {
        QStringList tags;
        for (const Step &step : steps) {
            const QString tag = addStep(step);
            if (!tags.isEmpty())
                link(tags.back(), tag);
            tags.append(tag);
        }
        return tags;
    }

    cBlock *block(const QString &tag) const { return m_project.theBlockCollection().item(tag); }

private:
    Project &m_project;
};

// Chart files in a temporary folder, for calls from one chart to another. Each file is built
// in a project of its own with tracking on, because the writer reads the blocks' positions.
class ChartFolder {
public:
    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &fileName) const { return folder() + fileName; }

    bool write(const QString &fileName, const std::function<void(ChartBuilder &)> &build) const
    {
        MessageLog log;
        Project project(&log);
        project.setTrackCurrentBlock(true);
        ChartBuilder builder(project);
        build(builder);
        return project.saveProjectFile(path(fileName));
    }

    // A chart that is one chain of blocks.
    bool write(const QString &fileName, std::initializer_list<Step> steps) const
    {
        const std::vector<Step> copy(steps);
        return write(fileName, [&copy](ChartBuilder &chart) {
            QString previous;
            for (const Step &step : copy) {
                const QString tag = chart.addStep(step);
                if (!previous.isEmpty())
                    chart.link(previous, tag);
                previous = tag;
            }
        });
    }

private:
    QTemporaryDir m_dir;
};

// What the interpreter asks of the screen, recorded; the unsaved-changes answer is settable.
class RecordingHost : public RunHost {
public:
    void setSelector(const cBlock *block) override
    {
        selected.append(block ? block->TagID() : QStringLiteral("<none>"));
    }
    void hideSelector() override { ++selectorHidden; }
    bool confirmDiscardChanges() override
    {
        ++confirmations;
        return confirmAnswer;
    }
    void showConsole(bool restore) override { consoleShown.append(restore); }
    bool openWindow(cBlock *block) override
    {
        windowsOpened.append(block->TagID());
        return openWindowAnswer;
    }
    bool windowLoaded() const override { return windowIsLoaded; }
    bool processObjectDefinition(const QString &target, const QString &source) override
    {
        objectDefinitions.append(target + QStringLiteral(" = ") + source);
        return objectDefinitionAnswer;
    }

    QStringList selected;
    int selectorHidden = 0;
    int confirmations = 0;
    bool confirmAnswer = true;
    QList<bool> consoleShown;
    QStringList windowsOpened;
    bool openWindowAnswer = false;
    bool windowIsLoaded = false;
    QStringList objectDefinitions;
    bool objectDefinitionAnswer = true;
};

// Processes events until the condition holds; false if it still does not after a generous
// deadline, which only keeps a broken run from hanging the tests. The wait is an event loop
// of its own: a nested wait that starts inside it (an INPUT block) must be ended from an event
// too, never by code that runs after this returns.
inline bool waitUntil(const std::function<bool()> &condition, int deadlineMs = 20000)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start();
    deadline.start(deadlineMs);
    loop.exec();
    return condition();
}

// One project with its runtime, wired as the terminal runner wires them: tracking off unless
// asked, rows and messages collected in the order they happen.
class RunHarness {
public:
    explicit RunHarness(bool track = false)
    {
        project.setTrackCurrentBlock(track);
        QObject::connect(&runtime.console, &ConsoleScreen::rowFinished, &project, [this](const QString &row) {
            rows.append(row);
            events.append(QStringLiteral("row: ") + row);
        });
        QObject::connect(&log, &MessageLog::messageAdded, &project, [this](const QString &message) {
            messages.append(message);
            events.append(QStringLiteral("msg: ") + message);
        });
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, &project, [this] {
            timedOut = true;
            runtime.run.TerminateExecution();
        });
    }

    // Runs at delay 0: the run goes to its end before this returns (waits for input included).
    void run()
    {
        runtime.run.setDelay(0);
        m_watchdog.start(60000);
        runtime.run.cmdRun_ClickP();
        m_watchdog.stop();
    }

    // Starts a timed run (the timer drives the ticks once events are processed).
    void start(int delay)
    {
        runtime.run.setDelay(delay);
        runtime.run.cmdRun_ClickP();
    }

    bool loadFile(const QString &path) { return project.load_FILE(path); }

    bool hasVar(const QString &name) const { return runtime.vars.findVar(name) >= 0; }
    QString var(const QString &name) const
    {
        const int column = runtime.vars.findVar(name);
        return column < 0 ? QStringLiteral("<none>") : runtime.vars.valueAt(column).text();
    }
    QStringList varNames() const
    {
        QStringList names;
        for (int c = 1; c < runtime.vars.columnCount(); ++c)
            names.append(runtime.vars.nameAt(c));
        return names;
    }

    bool ended() const { return !runtime.run.runInProgress(); }
    void tick() { runtime.run.tick(1); }

    MessageLog log;
    Project project{&log};
    RecordingHost host;
    Runtime runtime{project, log, host};
    ChartBuilder chart{project};
    QStringList rows;
    QStringList messages;
    QStringList events;
    bool timedOut = false;

private:
    QTimer m_watchdog;
};

// The four lines of the message an error caught inside a tick shows.
struct CaughtError {
    bool wellFormed = false;
    QString source;
    QString description;
    int number = 0;
};

inline CaughtError parseCaughtError(const QString &message)
{
    CaughtError error;
    const QStringList lines = message.split(QStringLiteral("\r\n"));
    if (lines.size() != 4 || lines[0] != QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: ")
        || !lines[1].startsWith(QStringLiteral("Kaynak: "))
        || !lines[2].startsWith(QStringLiteral("Açıklama: "))
        || !lines[3].startsWith(QStringLiteral("Hata numarası: ")))
        return error;
    bool numeric = false;
    error.source = lines[1].mid(8);
    error.description = lines[2].mid(10);
    error.number = lines[3].mid(15).toInt(&numeric);
    error.wellFormed = numeric;
    return error;
}

// The factorial chart "fakt.vnp" calls itself: n is a local variable; fakt(n) = n * fakt(n - 1),
// fakt(1) = 1.
inline void buildFactorial(ChartBuilder &c)
{
    const QString start = c.add("START", "n");
    const QString take = c.add("DEFINITION", "n", "PARAM");
    const QString test = c.add("IF_LESS_EQUAL", "n", "1");
    const QString one = c.add("DEFINITION", "RETURN", "1");
    const QString endOne = c.add("STOP");
    const QString less = c.add("SUBTRACT", "n", "1", "m");
    const QString call = c.add("FUNCTION", "fakt", "m", "r");
    const QString times = c.add("MULTIPLY", "n", "r", "RETURN");
    const QString end = c.add("STOP");
    c.link(start, take);
    c.link(take, test);
    c.link(test, one, "EVET");
    c.link(one, endOne);
    c.link(test, less, "HAYIR");
    c.link(less, call);
    c.link(call, times);
    c.link(times, end);
}

} // namespace ChartTest
