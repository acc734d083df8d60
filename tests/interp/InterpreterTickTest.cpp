// The interpreter on its own, with no run control: a tick reads and moves the run's shared state
// and says how it ended; acting on that is left to whoever asked for the tick.

#include "interp/Breakpoints.h"
#include "interp/CallStack.h"
#include "interp/ConsoleScreen.h"
#include "interp/Interpreter.h"
#include "interp/RunEnded.h"
#include "interp/RunEnding.h"
#include "interp/VariableStore.h"

#include "interp/ChartBuilder.h"

#include <gtest/gtest.h>

namespace {

using Tick = Interpreter::Tick;
using ChartTest::ChartBuilder;
using ChartTest::RecordingHost;

// Ends a run the way run control would, from the shared state alone.
class StateEnding : public RunEnding {
public:
    explicit StateEnding(RunState &state) : m_state(state) {}
    bool runInProgress() const override { return m_state.running; }
    void endRun() override
    {
        if (m_state.canUnwind())
            throw RunEnded{};
        m_state.running = false;
    }

private:
    RunState &m_state;
};

// One chart in a project, the interpreter's parts around it and a run started at its START.
// The cases of a table reach into it, so all of it is public.
class InterpreterTickTest : public ::testing::Test {
public:
    void start()
    {
        // The main chart's frame, as a run starts with it.
        stack.PUSH(vars.ifVarGetValue(QStringLiteral("PARAM")));
        for (const char *entry : {"PAR-OS", "RET-OS", "CS-OS", "IP-OS"})
            stack.PUSH(QString::fromUtf8(entry));
        state.running = true;
        ++state.serial;
        state.currentBlock = interpreter.findBlockByAction(QStringLiteral("START"));
        interpreter.runStarting();
    }
    QString current() const { return state.currentBlock ? state.currentBlock->TagID() : QStringLiteral("<none>"); }

    MessageLog log;
    Project project{&log};
    VariableStore vars{&log};
    ConsoleScreen console;
    RunState state;
    StateEnding ending{state};
    CallStack stack{&log, ending};
    RecordingHost host;
    AppFlags flags;
    Interpreter interpreter{{project, vars, console, stack, log, host, flags}, state};
    ChartBuilder chart{project};
    Breakpoints breakpoints;
};

TEST_F(InterpreterTickTest, SaysHowEachTickEndedAndMovesTheCurrentBlock)
{
    struct Case {
        const char *name;
        std::function<void(InterpreterTickTest &)> before; // after the run has started
        int blocks;
        Tick ended;
        const char *current; // the block current afterwards
    };
    const Case cases[] = {
        {"START ends its slice", [](InterpreterTickTest &) {}, 256, Tick::Ran, "id2"},
        {"plain blocks run as many as asked",
         [](InterpreterTickTest &t) { t.interpreter.runBlocks(1); }, 2, Tick::Ran, "id4"},
        {"the main chart's END ends the run",
         [](InterpreterTickTest &t) { t.state.currentBlock = t.chart.block(QStringLiteral("id6")); }, 1,
         Tick::Ended, "id6"},
        {"an error fails at its block",
         [](InterpreterTickTest &t) { t.state.currentBlock = t.chart.block(QStringLiteral("id5")); }, 1,
         Tick::Failed, "id5"},
        {"a breakpoint pauses before its block",
         [](InterpreterTickTest &t) {
             t.interpreter.runBlocks(1);
             t.breakpoints.set(Breakpoints::chartKey(t.project.projectPath()), QStringLiteral("id3"));
         },
         256, Tick::Paused, "id3"},
        {"no tick without a run", [](InterpreterTickTest &t) { t.state.running = false; }, 1, Tick::Skipped, "id1"},
        {"no tick inside a tick", [](InterpreterTickTest &t) { t.state.inTick = true; }, 1, Tick::Skipped, "id1"},
    };
    chart.chain({{"START"}, {"DEFINITION", "a", "1"}, {"ADD", "a", "1", "a"}, {"OUTPUT", "", "a"},
                 {"ADD", "a", "x", "a"}, {"STOP"}});
    interpreter.debugger().setBreakpoints(&breakpoints);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        breakpoints.clear();
        state = RunState();
        vars.clearVars();
        stack.clearStack();
        start();
        c.before(*this);
        EXPECT_EQ(interpreter.runBlocks(c.blocks), c.ended);
        EXPECT_EQ(current(), QString::fromUtf8(c.current));
        if (c.ended != Tick::Skipped) {
            EXPECT_FALSE(state.inTick) << "the tick is over, however it ended";
        }
    }
}

TEST_F(InterpreterTickTest, TheEndOfTheMainChartMarksTheRunCompletedAndAnErrorDoesNot)
{
    chart.chain({{"START"}, {"ADD", "a", "x", "a"}, {"STOP"}});
    start();
    interpreter.runBlocks(1);
    EXPECT_EQ(interpreter.runBlocks(1), Tick::Failed);
    EXPECT_FALSE(state.completed);
    EXPECT_TRUE(state.running) << "ending the run is for whoever asked for the tick";

    state.currentBlock = chart.block(QStringLiteral("id3"));
    EXPECT_EQ(interpreter.runBlocks(1), Tick::Ended);
    EXPECT_TRUE(state.completed);
}

TEST_F(InterpreterTickTest, AWaitThatEndsTheRunEndsTheTickAsOverAndSaysSoBeforehand)
{
    chart.chain({{"START"}, {"INPUT", "Sayı", "b"}, {"OUTPUT", "", "b"}, {"STOP"}});
    QStringList heard;
    QObject::connect(&interpreter, &Interpreter::waiting, [&] { heard << QStringLiteral("waiting at ") + current(); });
    console.setLineSource([&](const QString &) {
        heard << QStringLiteral("asked");
        state.running = false; // stopped while the input waited
        return std::optional<QString>(QStringLiteral("7"));
    });
    start();
    interpreter.runBlocks(1);
    EXPECT_EQ(interpreter.runBlocks(1), Tick::Over);
    EXPECT_EQ(heard, QStringList({QStringLiteral("waiting at id2"), QStringLiteral("asked")}));
    EXPECT_FALSE(vars.findVar(QStringLiteral("b")) >= 0) << "the input of an ended run is dropped";
}

TEST_F(InterpreterTickTest, AWindowBlockSaysTicksStopBeforeItsWindowOpens)
{
    chart.chain({{"START"}, {"WINDOW", "form"}, {"STOP"}});
    QStringList heard;
    QObject::connect(&interpreter, &Interpreter::windowOpening, [&] { heard << QStringLiteral("window opening"); });
    start();
    interpreter.runBlocks(1);
    EXPECT_EQ(interpreter.runBlocks(1), Tick::Ended) << "this host shows no windows";
    EXPECT_EQ(heard, QStringList({QStringLiteral("window opening")}));
    EXPECT_EQ(host.windowsOpened, QStringList({QStringLiteral("id2")}));
}

} // namespace
