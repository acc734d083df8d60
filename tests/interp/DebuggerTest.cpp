#include "interp/Breakpoints.h"
#include "interp/CallStack.h"
#include "interp/RunControl.h"

#include "interp/ChartBuilder.h"
#include "base/Paths.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;
using ChartTest::ChartFolder;
using ChartTest::RunHarness;
using ChartTest::waitUntil;

// Charts written as files, run at delay 0 with the harness's breakpoints.
class DebuggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        run().debugger().setBreakpoints(&breakpoints);
    }

    RunControl &run() { return h.runtime.run; }

    void write(const QString &fileName, const std::function<void(ChartBuilder &)> &build)
    {
        ASSERT_TRUE(folder.write(fileName, build)) << fileName.toStdString();
    }
    void write(const QString &fileName, std::initializer_list<ChartTest::Step> steps)
    {
        ASSERT_TRUE(folder.write(fileName, steps)) << fileName.toStdString();
    }

    void setBreakpoint(const QString &file, const QString &tag, const QString &condition = {})
    {
        breakpoints.set(Breakpoints::chartKey(folder.path(file)), tag, condition);
    }

    // Starts main.vnp at delay 0; returns once the run has paused or ended.
    void startMain()
    {
        ASSERT_TRUE(h.loadFile(folder.path(QStringLiteral("main.vnp"))));
        h.run();
    }

    // "file:tag" of the block the run has paused before; "ended" once it is over.
    QString where()
    {
        if (h.ended())
            return QStringLiteral("ended");
        const cBlock *block = run().currentBlock();
        return Paths::fileNameOf(h.project.projectPath()) + QLatin1Char(':')
            + (block ? block->TagID() : QStringLiteral("<none>"));
    }

    // Lets the run go on after a command, until it pauses again or ends.
    void settle()
    {
        EXPECT_TRUE(waitUntil([this] { return h.ended() || run().pauseChecked(); }));
    }

    void cont()
    {
        run().setPauseChecked(false);
        waitUntil([this] { return h.ended() || run().pauseChecked(); });
    }

    // main: a = 5, r = inc(a), prints r. inc: RETURN = PARAM + 1.
    void writeCall()
    {
        write(QStringLiteral("main.vnp"), {{"START"}, {"DEFINITION", "a", "5"}, {"FUNCTION", "inc", "a", "r"},
                                           {"OUTPUT", "", "r"}, {"STOP"}});
        write(QStringLiteral("inc.vnp"), {{"START"}, {"ADD", "PARAM", "1", "RETURN"}, {"STOP"}});
    }

    // i counts from 1 to 5 and is printed each time: id4 is the loop's condition.
    void writeLoop()
    {
        write(QStringLiteral("main.vnp"), [](ChartBuilder &c) {
            const QStringList head = c.chain({{"START"}, {"DEFINITION", "i", "1"}, {"INTERSECTION"}});
            const QString test = c.add("IF_LESS_EQUAL", "i", "5");
            const QString show = c.add("OUTPUT", "", "i");
            const QString next = c.add("ADD", "i", "1", "i");
            const QString end = c.add("STOP");
            c.link(head.back(), test);
            c.link(test, show, "EVET");
            c.link(show, next);
            c.link(next, head.back());
            c.link(test, end, "HAYIR");
        });
    }

    ChartFolder folder;
    RunHarness h;
    Breakpoints breakpoints;
};

TEST_F(DebuggerTest, BreakpointPausesAFastRunBeforeItsBlockAndTheRunGoesOn)
{
    writeLoop();
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id6"));
    startMain();
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id6"));
    EXPECT_TRUE(run().pauseChecked());
    EXPECT_TRUE(run().pauseEnabled()) << "the pause button is checked as if pressed";
    EXPECT_EQ(h.rows, QStringList({QStringLiteral("1")})) << "paused before i = i + 1 ran";
    EXPECT_EQ(h.var(QStringLiteral("i")), QStringLiteral("1"));

    cont();
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id6")) << "the next time round";
    EXPECT_EQ(h.var(QStringLiteral("i")), QStringLiteral("2"));

    breakpoints.clear();
    cont();
    EXPECT_EQ(where(), QStringLiteral("ended"));
    EXPECT_EQ(h.rows.size(), 5);
}

TEST_F(DebuggerTest, ConditionalBreakpointsCompareLikeAConditionBlock)
{
    struct Case {
        const char *condition;
        const char *pausedAt; // i when the run first pauses; "" when it never does
        const char *message;  // the start of the message shown, if any
    };
    const Case cases[] = {
        {"i = 3", "3", ""},
        {"i>=4", "4", ""},
        {"i <> 1", "2", ""},
        {"2 < i", "3", ""},
        {"i = 50", "", ""},
        {"yok = 1", "1", "Kesme noktasının koşulu değerlendirilemedi (id5: yok = 1): "},
        {"i", "1", "Kesme noktası koşulu okunamadı: i"},
    };
    writeLoop();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.condition);
        h.messages.clear();
        breakpoints.clear();
        setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id5"), QString::fromUtf8(c.condition));
        startMain();
        if (*c.pausedAt) {
            EXPECT_EQ(where(), QStringLiteral("main.vnp:id5"));
            EXPECT_EQ(h.var(QStringLiteral("i")), QString::fromUtf8(c.pausedAt));
            run().cmdStop_MouseDown();
        } else {
            EXPECT_EQ(where(), QStringLiteral("ended"));
        }
        if (*c.message) {
            ASSERT_EQ(h.messages.size(), 1);
            EXPECT_TRUE(h.messages[0].startsWith(QString::fromUtf8(c.message))) << h.messages[0].toStdString();
        } else {
            EXPECT_TRUE(h.messages.isEmpty());
        }
    }
}

TEST_F(DebuggerTest, SteppingIntoOverAndOutOfACallToAnotherChartFile)
{
    struct Case {
        const char *name;
        std::vector<void (RunControl::*)()> steps;
        QStringList expected; // where the run is after each step
    };
    const Case cases[] = {
        {"into then out", {&RunControl::stepInto, &RunControl::stepInto, &RunControl::stepOut},
         {"inc.vnp:id1", "inc.vnp:id2", "main.vnp:id4"}},
        {"over the call", {&RunControl::stepOver, &RunControl::stepOver}, {"main.vnp:id4", "main.vnp:id5"}},
        {"into to the return", {&RunControl::stepInto, &RunControl::stepOver, &RunControl::stepOver,
                                &RunControl::stepOver}, {"inc.vnp:id1", "inc.vnp:id2", "inc.vnp:id3", "main.vnp:id4"}},
        {"out of the main chart", {&RunControl::stepOut}, {"ended"}},
    };
    writeCall();
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id3"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        h.rows.clear();
        startMain();
        ASSERT_EQ(where(), QStringLiteral("main.vnp:id3"));
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            (run().*c.steps[i])();
            settle();
            EXPECT_EQ(where(), c.expected[qsizetype(i)]) << "after step " << i;
        }
        if (!h.ended()) {
            breakpoints.clear();
            cont();
            setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id3"));
        }
        EXPECT_EQ(h.rows, QStringList({QStringLiteral("6")})) << "stepping changes nothing the run does";
    }
}

TEST_F(DebuggerTest, SteppingOverARecursiveCallReturnsToTheSameDepth)
{
    write(QStringLiteral("fakt.vnp"), ChartTest::buildFactorial);
    write(QStringLiteral("main.vnp"), {{"START"}, {"FUNCTION", "fakt", "5", "f"}, {"OUTPUT", "", "f"}, {"STOP"}});
    setBreakpoint(QStringLiteral("fakt.vnp"), QStringLiteral("id7"), QStringLiteral("n = 3"));
    startMain();
    ASSERT_EQ(where(), QStringLiteral("fakt.vnp:id7"));
    const int depth = run().state().depth;
    EXPECT_EQ(depth, 3) << "fakt(5), fakt(4), fakt(3)";

    run().stepOver();
    settle();
    EXPECT_EQ(where(), QStringLiteral("fakt.vnp:id8"));
    EXPECT_EQ(run().state().depth, depth);
    EXPECT_EQ(h.var(QStringLiteral("n")), QStringLiteral("3"));
    EXPECT_EQ(h.var(QStringLiteral("r")), QStringLiteral("2"));

    run().stepOut();
    settle();
    EXPECT_EQ(where(), QStringLiteral("fakt.vnp:id8")) << "back in fakt(4), after its call";
    EXPECT_EQ(run().state().depth, depth - 1);
    EXPECT_EQ(h.var(QStringLiteral("n")), QStringLiteral("4"));
    EXPECT_EQ(h.var(QStringLiteral("r")), QStringLiteral("6"));
}

TEST_F(DebuggerTest, RunToHereStartsARunAndPausesInTheCalledChart)
{
    writeCall();
    ASSERT_TRUE(h.loadFile(folder.path(QStringLiteral("main.vnp"))));
    run().setDelay(0);
    run().runToBlock(folder.path(QStringLiteral("inc.vnp")), QStringLiteral("id3"));
    settle();
    EXPECT_EQ(where(), QStringLiteral("inc.vnp:id3"));
    EXPECT_EQ(h.var(QStringLiteral("RETURN")), QStringLiteral("6"));

    run().cmdStop_MouseDown();
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id2"));
    startMain();
    ASSERT_EQ(where(), QStringLiteral("main.vnp:id2"));
    run().runToBlock(folder.path(QStringLiteral("main.vnp")), QStringLiteral("id5"));
    settle();
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id5"));
    EXPECT_EQ(h.rows, QStringList({QStringLiteral("6")}));
}

TEST_F(DebuggerTest, TimedRunPausesAtABreakpointAndNextStepRunsIt)
{
    writeLoop();
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id5"), QStringLiteral("i = 2"));
    ASSERT_TRUE(h.loadFile(folder.path(QStringLiteral("main.vnp"))));
    h.start(1);
    settle();
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id5"));
    EXPECT_EQ(h.rows, QStringList({QStringLiteral("1")}));
    run().setDelay(RunControl::DelayMaximum);
    run().cmdNextStep_Click();
    settle();
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id6")) << "the block at the breakpoint ran once";
    EXPECT_EQ(h.rows.size(), 2);
    run().cmdStop_MouseDown();
}

TEST_F(DebuggerTest, CountsEveryBlockAndEachConditionLineAcrossACall)
{
    writeLoop();
    run().debugger().setCountsOn(true);
    startMain();
    ASSERT_EQ(where(), QStringLiteral("ended"));
    const QString main = folder.path(QStringLiteral("main.vnp"));
    const Debugger &debugger = run().debugger();
    const struct {
        const char *tag;
        quint64 count, yes, no;
    } expected[] = {{"id1", 1, 0, 0}, {"id2", 1, 0, 0}, {"id3", 6, 0, 0}, {"id4", 6, 5, 1},
                    {"id5", 5, 0, 0}, {"id6", 5, 0, 0}, {"id7", 1, 0, 0}};
    for (const auto &e : expected) {
        SCOPED_TRACE(e.tag);
        const BlockRecord *record = debugger.recordOf(main, QString::fromUtf8(e.tag));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->count, e.count);
        EXPECT_EQ(record->yes, e.yes);
        EXPECT_EQ(record->no, e.no);
    }

    writeCall();
    h.rows.clear();
    startMain();
    EXPECT_EQ(debugger.counts().csv().toStdString(),
              std::string("chart,tag,caption,count\n"
                             "main.vnp,id1,başla,1\n"
                             "main.vnp,id2,a = 5,1\n"
                             "main.vnp,id3,r = inc(a),1\n"
                             "main.vnp,id4,çıkış r,1\n"
                             "main.vnp,id5,dur,1\n"
                             "inc.vnp,id1,başla,1\n"
                             "inc.vnp,id2,RETURN = PARAM + 1,1\n"
                             "inc.vnp,id3,dur,1\n"))
        << "counts start again with each run";
}

// A block that has run and counted without a breakpoint must see one set while the run is
// paused, and lose one removed; the counts go on through the change.
TEST_F(DebuggerTest, BreakpointsChangedWhilePausedHoldForBlocksThatHaveRunAndCountsGoOn)
{
    struct Case {
        const char *name;
        std::function<void(Breakpoints &, const QString &)> change;
        const char *pausedAt; // where the run is after it goes on
        const char *i;        // i there
    };
    const Case cases[] = {
        {"set on a block that has run", [](Breakpoints &b, const QString &main) { b.set(main, QStringLiteral("id4")); },
         "main.vnp:id4", "3"},
        {"set elsewhere in the chart",
         [](Breakpoints &b, const QString &main) { b.set(main, QStringLiteral("id99")); }, "ended", "6"},
        {"removed", [](Breakpoints &b, const QString &main) { b.remove(main, QStringLiteral("id6")); }, "ended", "6"},
        {"given a condition that holds later",
         [](Breakpoints &b, const QString &main) { b.set(main, QStringLiteral("id6"), QStringLiteral("i = 4")); },
         "main.vnp:id6", "4"},
    };
    writeLoop();
    const QString main = Breakpoints::chartKey(folder.path(QStringLiteral("main.vnp")));
    run().debugger().setCountsOn(true);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        breakpoints.clear();
        setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id6"), QStringLiteral("i = 2"));
        startMain();
        ASSERT_EQ(where(), QStringLiteral("main.vnp:id6"));
        c.change(breakpoints, main);
        cont();
        EXPECT_EQ(where(), QString::fromUtf8(c.pausedAt));
        EXPECT_EQ(h.var(QStringLiteral("i")), QString::fromUtf8(c.i));
        breakpoints.clear();
        cont();
        ASSERT_EQ(where(), QStringLiteral("ended"));
        const BlockRecord *test = run().debugger().recordOf(folder.path(QStringLiteral("main.vnp")),
                                                            QStringLiteral("id4"));
        ASSERT_NE(test, nullptr);
        EXPECT_EQ(test->count, 6u);
        EXPECT_EQ(test->yes, 5u);
        EXPECT_EQ(test->no, 1u);
    }
}

// Everything a step back puts back, as text.
QString stateOf(RunHarness &h, int depth)
{
    QStringList parts;
    const cBlock *block = h.runtime.run.currentBlock();
    parts << Paths::fileNameOf(h.project.projectPath()) + QLatin1Char(':') + (block ? block->TagID() : QString())
          << QStringLiteral("depth %1").arg(depth);
    for (int c = 1; c < h.runtime.vars.columnCount(); ++c)
        parts << h.runtime.vars.nameAt(c) + QLatin1Char('=') + h.runtime.vars.valueAt(c).text();
    const ConsoleScreen &console = h.runtime.console;
    for (int line = 0; line <= console.currentLine(); ++line)
        parts << QStringLiteral("row ") + console.line(line);
    const CallStack &stack = h.runtime.stack;
    parts << QStringLiteral("SP %1 marker %2").arg(stack.SP()).arg(stack.markerRow());
    for (int row = 0; row < CallStack::RowCount; ++row)
        parts << stack.valueAt(row) + QLatin1Char('|') + stack.callerPathAt(row);
    return parts.join(QLatin1Char('\n'));
}

TEST_F(DebuggerTest, SteppingBackThenForwardRestoresEveryBlockKindAcrossACallAndItsReturn)
{
    write(QStringLiteral("main.vnp"), [](ChartBuilder &c) {
        const QStringList tags = c.chain({{"START"},
                                          {"DEFINITION", "a", "5"},
                                          {"INPUT", "Sayı", "b"},
                                          {"ADD", "a", "b", "c"},
                                          {"JOIN", "\"x", "c", "d"},
                                          {"COMP", "d", "x12", "e"},
                                          {"OUTPUT", "c:", "c"},
                                          {"FUNCTION", "inc", "c", "r"},
                                          {"FUNCTION", "FACTORIAL", "a", "u"},
                                          {"INTERSECTION"}});
        const QString test = c.add("IF_GREATER", "r", "10");
        const QString yes = c.add("OUTPUT", "büyük");
        const QString end = c.add("STOP");
        c.link(tags.back(), test);
        c.link(test, yes, "EVET");
        c.link(test, end, "HAYIR");
        c.link(yes, end);
    });
    write(QStringLiteral("inc.vnp"), {{"START", "a"}, {"DEFINITION", "a", "PARAM"}, {"ADD", "a", "1", "RETURN"},
                                      {"STOP"}});
    int asked = 0;
    h.runtime.console.setLineSource([&asked](const QString &) {
        ++asked;
        return std::optional<QString>(QStringLiteral("7"));
    });
    ASSERT_TRUE(h.loadFile(folder.path(QStringLiteral("main.vnp"))));
    h.start(RunControl::DelayMaximum);
    settle();
    QStringList forward; // the state before each block, up to the main chart's END
    while (!h.ended() && where() != QStringLiteral("main.vnp:id13") && forward.size() < 40) {
        forward << stateOf(h, run().state().depth);
        run().cmdNextStep_Click();
        settle();
    }
    ASSERT_EQ(where(), QStringLiteral("main.vnp:id13"));
    const QString last = stateOf(h, run().state().depth);
    ASSERT_GE(forward.size(), 15);
    EXPECT_EQ(asked, 1);
    for (qsizetype i = forward.size() - 1; i >= 0; --i) {
        ASSERT_TRUE(run().stepBack()) << "step " << i;
        EXPECT_EQ(stateOf(h, run().state().depth), forward[i]) << "back to step " << i;
    }
    EXPECT_FALSE(run().stepBack()) << "nothing before the first block";
    for (qsizetype i = 1; i < forward.size(); ++i) {
        run().cmdNextStep_Click();
        settle();
        EXPECT_EQ(stateOf(h, run().state().depth), forward[i]) << "forward to step " << i;
    }
    run().cmdNextStep_Click();
    settle();
    EXPECT_EQ(stateOf(h, run().state().depth), last);
    EXPECT_EQ(asked, 1) << "the input replays the line typed before";
    run().cmdStop_MouseDown();
}

TEST_F(DebuggerTest, SteppingBackStopsAtAWindowAndAFastRunKeepsNoHistory)
{
    h.host.windowIsLoaded = true;
    write(QStringLiteral("main.vnp"), {{"START"}, {"DEFINITION", "a", "1"}, {"DEFINITION", "form.Text", "a"},
                                       {"DEFINITION", "a", "2"}, {"OUTPUT", "", "a"}, {"STOP"}});
    QStringList notices;
    QObject::connect(&run(), &RunControl::statusMessage, [&notices](const MessageText &text) { notices << text.turkish(); });
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id5"));
    startMain();
    ASSERT_EQ(where(), QStringLiteral("main.vnp:id5"));
    EXPECT_EQ(run().debugger().history().size(), 0u) << "a fast run records nothing";
    EXPECT_FALSE(run().stepBack());

    run().stepInto();
    settle();
    run().stepInto();
    settle();
    ASSERT_EQ(where(), QStringLiteral("ended"));

    run().cmdStop_MouseDown();
    breakpoints.clear();
    ASSERT_TRUE(h.loadFile(folder.path(QStringLiteral("main.vnp"))));
    h.start(RunControl::DelayMaximum);
    for (int i = 0; i < 3; ++i) { // START has run: id2, id3 and id4 run
        settle();
        run().cmdNextStep_Click();
    }
    settle();
    ASSERT_EQ(where(), QStringLiteral("main.vnp:id5"));
    notices.clear();
    EXPECT_TRUE(run().stepBack());
    EXPECT_EQ(h.var(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_FALSE(run().stepBack()) << "the window-object statement cannot be taken back";
    EXPECT_EQ(where(), QStringLiteral("main.vnp:id4"));
    EXPECT_EQ(notices, QStringList({QStringLiteral("Geri Adım burada durur: gösterilen bir pencere geri alınamaz.")}));
    run().cmdStop_MouseDown();
}

TEST_F(DebuggerTest, AValueEditedWhilePausedIsWhatTheRunGoesOnWith)
{
    writeLoop();
    setBreakpoint(QStringLiteral("main.vnp"), QStringLiteral("id5"));
    startMain();
    ASSERT_EQ(where(), QStringLiteral("main.vnp:id5"));
    h.runtime.vars.setVar(QStringLiteral("i"), QStringLiteral("5"));
    breakpoints.clear();
    cont();
    EXPECT_EQ(h.rows, QStringList({QStringLiteral("5")}));
}

TEST(BreakpointsTest, KeptPerChartAndTagThroughTheSettings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("user.ini"));
    {
        Breakpoints kept;
        kept.set(QStringLiteral("/a/main.vnp"), QStringLiteral("id3"), QStringLiteral(" i = 50 "));
        EXPECT_TRUE(kept.toggle(QStringLiteral("/a/alt.vnp"), QStringLiteral("id1")));
        EXPECT_TRUE(kept.toggle(QStringLiteral("/a/alt.vnp"), QStringLiteral("id2")));
        EXPECT_FALSE(kept.toggle(QStringLiteral("/a/alt.vnp"), QStringLiteral("ID2"))) << "tags fold";
        QSettings settings(ini, QSettings::IniFormat);
        kept.save(settings);
    }
    Breakpoints read;
    QSettings settings(ini, QSettings::IniFormat);
    read.load(settings);
    EXPECT_TRUE(read.has(QStringLiteral("/a/main.vnp"), QStringLiteral("id3")));
    EXPECT_EQ(read.condition(QStringLiteral("/a/main.vnp"), QStringLiteral("id3")), QStringLiteral("i = 50"));
    EXPECT_TRUE(read.has(QStringLiteral("/a/alt.vnp"), QStringLiteral("id1")));
    EXPECT_FALSE(read.has(QStringLiteral("/a/alt.vnp"), QStringLiteral("id2")));
    EXPECT_FALSE(read.has(QStringLiteral("/b/main.vnp"), QStringLiteral("id3")));
}

} // namespace
