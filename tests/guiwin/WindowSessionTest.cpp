#include "guiwin/WindowSession.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "interp/CallStack.h"
#include "interp/ChartBuilder.h"
#include "interp/RunControl.h"
#include "interp/Runtime.h"
#include "project/Project.h"

#include <gtest/gtest.h>

namespace {

using ChartTest::ChartFolder;
using ChartTest::waitUntil;

// A screen whose run-time window is nothing but the session: it loads, shows, returns and
// closes the way the desktop window does, without widgets.
class SessionHost : public ChartTest::RecordingHost {
public:
    bool openWindow(cBlock *block) override
    {
        if (flags->windowLoaded) {
            ++returns;
            if (!session->returnedToWindow()) {
                const quint64 serial = run->runSerial();
                session->unloaded();
                session->resumeAfterWindow(serial);
            }
            return true;
        }
        ++loads;
        session->beginLoad(*block);
        session->finishLoad();
        if (run->runInProgress())
            session->activated();
        else
            session->unloaded();
        return true;
    }
    bool windowLoaded() const override { return flags->windowLoaded; }
    void closeWindowForTermination() override
    {
        ++closedByRun;
        userClose(); // the program's close goes through the same close handling
    }
    // The window's close handling.
    void userClose()
    {
        switch (session->closeRequested()) {
        case WindowSession::Close::Ignore:
            session->unloaded();
            break;
        case WindowSession::Close::AfterFunction:
            break;
        case WindowSession::Close::Resume: {
            const quint64 serial = run->runSerial();
            session->unloaded();
            session->resumeAfterWindow(serial);
            break;
        }
        }
    }

    WindowSession *session = nullptr;
    RunControl *run = nullptr;
    AppFlags *flags = nullptr;
    int loads = 0;
    int returns = 0;
    int closedByRun = 0;
};

class WindowSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        host.session = &session;
        host.run = &runtime.run;
        host.flags = &runtime.flags;
        QObject::connect(&log, &MessageLog::messageAdded, &log, [this](const QString &m) { messages.append(m); });
        // The window's chart: it waits at the WINDOW block, then reports that it went on.
        write(QStringLiteral("main.vnp"), {{"START"},
                                           {"WINDOW", "4800|3000|", "", "hazirla|boyut|"},
                                           {"OUTPUT", "bitti"},
                                           {"STOP"}});
        write(QStringLiteral("hazirla.vnp"), {{"START"},
                                              {"DEFINITION", "yuklendi", "1"},
                                              {"DEFINITION", "boyutlar", "0"},
                                              {"DEFINITION", "sayac", "0"},
                                              {"STOP"}});
        write(QStringLiteral("boyut.vnp"), {{"START"}, {"ADD", "boyutlar", "1", "boyutlar"}, {"STOP"}});
        write(QStringLiteral("tikla.vnp"), {{"START"},
                                            {"ADD", "sayac", "1", "sayac"},
                                            {"DEFINITION", "son", "PARAM"},
                                            {"STOP"}});
        QObject::connect(&runtime.console, &ConsoleScreen::rowFinished, &log,
                         [this](const QString &row) { rows.append(row); });
    }
    void TearDown() override
    {
        if (runtime.run.runInProgress())
            runtime.run.TerminateExecution();
    }

    void write(const QString &name, std::initializer_list<ChartTest::Step> steps)
    {
        ASSERT_TRUE(folder.write(name, steps));
    }

    // Starts the window's chart; at delay 0 the run waits at the window when this returns.
    void start(int delay = 0)
    {
        ASSERT_TRUE(project.load_FILE(folder.path(QStringLiteral("main.vnp"))));
        runtime.run.setDelay(delay);
        runtime.run.cmdRun_ClickP();
    }

    bool waiting() const
    {
        const cBlock *at = runtime.run.currentBlock();
        return at && at->zAction() == QStringLiteral("WINDOW") && !runtime.run.timerEnabled()
               && Paths::fileNameOf(project.projectPath()) == QStringLiteral("main.vnp");
    }
    QString var(const QString &name) { return runtime.vars.ifVarGetValue(name); }

    ChartFolder folder;
    MessageLog log;
    Project project{&log};
    SessionHost host;
    Runtime runtime{project, log, host};
    RunParts parts{project, runtime.vars, runtime.console, runtime.stack, log, host, runtime.flags};
    WindowSession session{parts, runtime.run};
    QStringList messages;
    QStringList rows;
};

TEST_F(WindowSessionTest, LoadingRunsTheOnLoadFunctionAndWaitsAtTheWindowWithTheStackBackAtTheBottomFrame)
{
    start();
    ASSERT_TRUE(waiting());
    EXPECT_EQ(host.loads, 1);
    EXPECT_EQ(host.returns, 1); // the on-load function came back to the window's block
    EXPECT_EQ(var(QStringLiteral("yuklendi")), QStringLiteral("1"));
    EXPECT_TRUE(session.loadComplete());
    EXPECT_FALSE(session.eventRunning());
    EXPECT_TRUE(runtime.flags.windowLoaded);
    EXPECT_TRUE(runtime.flags.windowShown);
    EXPECT_EQ(runtime.stack.SP(), CallStack::RowCount - 1 - 5);
    EXPECT_EQ(session.onLoad(), QStringLiteral("hazirla"));
    EXPECT_EQ(session.onResize(), QStringLiteral("boyut"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(WindowSessionTest, AnObjectEventCallsItsChartWithTheParameterAndReturnsToTheWindow)
{
    start();
    const int sp = runtime.stack.SP();
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("12,34"));
    EXPECT_TRUE(waiting());
    EXPECT_EQ(var(QStringLiteral("sayac")), QStringLiteral("1"));
    EXPECT_EQ(var(QStringLiteral("son")), QStringLiteral("12,34"));
    EXPECT_EQ(runtime.stack.SP(), sp);
    // The event frame as it was pushed: PARAM, argument, SUB_RETURN, the caller, the WINDOW block.
    EXPECT_EQ(runtime.stack.valueAt(sp - 2), QStringLiteral("12,34"));
    EXPECT_EQ(runtime.stack.valueAt(sp - 3), QStringLiteral("SUB_RETURN"));
    EXPECT_EQ(runtime.stack.valueAt(sp - 4), QStringLiteral("main.vnp"));
    EXPECT_EQ(runtime.stack.valueAt(sp - 5), QStringLiteral("id2"));
    EXPECT_TRUE(runtime.vars.findVar(QStringLiteral("SUB_RETURN")) >= 0);
}

TEST_F(WindowSessionTest, EventsWithoutAChartOrWithoutARunDoNothing)
{
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("1,1")); // no run
    EXPECT_TRUE(runtime.stack.isEmpty());
    start();
    const int sp = runtime.stack.SP();
    session.objectEvent(QString(), QStringLiteral("NO_PARAMETERS"));
    session.objectEvent(QStringLiteral("CLEAR"), QStringLiteral("NO_PARAMETERS")); // a built-in
    EXPECT_TRUE(waiting());
    EXPECT_EQ(runtime.stack.SP(), sp);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WindowSessionTest, FailuresEndTheRunWithTheirMessageAndCloseTheWindow)
{
    struct Case {
        const char *function;
        const char *parameter;
        QString message;
    };
    const Case cases[] = {
        {"yok", "NO_PARAMETERS", QStringLiteral("Fonksiyon yüklenemiyor: yok")},
        // A built-in that cannot take the parameter text fails like a tick would.
        {"ABS", "NO_PARAMETERS", QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: ")},
    };
    for (const Case &c : cases) {
        messages.clear();
        host.closedByRun = 0;
        start();
        session.objectEvent(QString::fromUtf8(c.function), QString::fromUtf8(c.parameter));
        EXPECT_FALSE(runtime.run.runInProgress()) << c.function;
        ASSERT_FALSE(messages.isEmpty()) << c.function;
        EXPECT_TRUE(messages.first().startsWith(c.message)) << messages.first().toStdString();
        EXPECT_EQ(host.closedByRun, 1) << c.function;
        EXPECT_FALSE(runtime.flags.windowLoaded) << c.function;
        EXPECT_TRUE(rows.isEmpty()) << c.function; // the chart did not go on after the window
    }
}

TEST_F(WindowSessionTest, AnOnLoadChartThatDoesNotLoadEndsTheRunAndLeavesNoWindow)
{
    write(QStringLiteral("main.vnp"), {{"START"}, {"WINDOW", "4800|3000|", "", "eksik||"}, {"STOP"}});
    start(0);
    EXPECT_FALSE(runtime.run.runInProgress());
    EXPECT_EQ(messages, QStringList{QStringLiteral("Fonksiyon yüklenemiyor: eksik")});
    EXPECT_FALSE(runtime.flags.windowLoaded);
}

TEST_F(WindowSessionTest, EventsDuringARunningEventFunctionWaitTheirTurnInOrder)
{
    start(1);
    ASSERT_TRUE(waitUntil([this] { return waiting() && session.loadComplete() && !session.eventRunning(); }));
    const int sp = runtime.stack.SP();
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("1,1"));
    ASSERT_TRUE(session.eventRunning());
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("2,2")); // a double click
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("3,3"));
    EXPECT_EQ(session.pendingEvents(), 2);
    // Nothing nested: one frame above the window's level at most.
    EXPECT_EQ(runtime.stack.SP(), sp - 5);
    ASSERT_TRUE(waitUntil([this] { return waiting() && session.pendingEvents() == 0 && !session.eventRunning(); }));
    EXPECT_EQ(var(QStringLiteral("sayac")), QStringLiteral("3"));
    EXPECT_EQ(var(QStringLiteral("son")), QStringLiteral("3,3"));
    EXPECT_EQ(runtime.stack.SP(), sp);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(WindowSessionTest, ResizeCallsTheOnResizeFunctionOnlyWhileTheWindowWaits)
{
    start();
    session.resized(true); // minimised
    EXPECT_EQ(var(QStringLiteral("boyutlar")), QStringLiteral("0"));
    session.resized(false);
    EXPECT_EQ(var(QStringLiteral("boyutlar")), QStringLiteral("1"));
    EXPECT_FALSE(runtime.flags.inWindowResize);

    runtime.run.setDelay(1);
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("1,1"));
    ASSERT_TRUE(session.eventRunning());
    session.resized(false); // the called chart is loaded: no call
    ASSERT_TRUE(waitUntil([this] { return waiting() && !session.eventRunning(); }));
    EXPECT_EQ(var(QStringLiteral("boyutlar")), QStringLiteral("1"));
    EXPECT_EQ(var(QStringLiteral("sayac")), QStringLiteral("1"));
}

TEST_F(WindowSessionTest, ClosingByTheUserGoesOnAfterTheWindowBlock)
{
    start();
    host.userClose();
    EXPECT_FALSE(runtime.run.runInProgress());
    EXPECT_TRUE(runtime.run.completedNormally());
    EXPECT_EQ(rows, QStringList{QStringLiteral("bitti")});
    EXPECT_FALSE(runtime.flags.windowLoaded);
    EXPECT_FALSE(runtime.flags.windowShown);
}

TEST_F(WindowSessionTest, ClosingDuringAnEventFunctionGoesOnOnceItHasReturned)
{
    start(1);
    ASSERT_TRUE(waitUntil([this] { return waiting() && session.loadComplete() && !session.eventRunning(); }));
    session.objectEvent(QStringLiteral("tikla"), QStringLiteral("1,1"));
    host.userClose();
    EXPECT_TRUE(runtime.flags.windowLoaded); // the running function keeps its window
    ASSERT_TRUE(waitUntil([this] { return !runtime.run.runInProgress(); }));
    EXPECT_TRUE(runtime.run.completedNormally());
    EXPECT_EQ(var(QStringLiteral("sayac")), QStringLiteral("1"));
    EXPECT_EQ(rows, QStringList{QStringLiteral("bitti")});
    EXPECT_FALSE(runtime.flags.windowLoaded);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(WindowSessionTest, StoppingTheRunClosesTheWindowWithoutGoingOn)
{
    start();
    runtime.run.TerminateExecution();
    EXPECT_EQ(host.closedByRun, 1);
    EXPECT_TRUE(runtime.flags.windowClosedByRun);
    EXPECT_FALSE(runtime.flags.windowLoaded);
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_FALSE(runtime.run.completedNormally());
}

} // namespace
