#include "interp/CallStack.h"
#include "interp/RunEnding.h"
#include "base/MessageLog.h"

#include "interp/ChartBuilder.h"

#include <gtest/gtest.h>

namespace {

using ChartTest::LocaleScope;

// Run control as the stack sees it, outside any tick: ending the run returns.
class CountingRun : public RunEnding {
public:
    bool runInProgress() const override { return running; }
    void endRun() override { ++terminations; }

    bool running = true;
    int terminations = 0;
};

class CallStackTest : public ::testing::Test {
protected:

    void pushNumbers(int count)
    {
        for (int i = 1; i <= count; ++i)
            stack.PUSH(QString::number(i));
    }

    void expectCleared()
    {
        EXPECT_EQ(stack.SP(), 249);
        EXPECT_EQ(stack.markerRow(), 249);
        EXPECT_TRUE(stack.isEmpty());
        for (int row = 0; row < CallStack::RowCount; ++row)
            ASSERT_EQ(stack.valueAt(row), QStringLiteral("?")) << row;
    }

    MessageLog log;
    CountingRun run;
    CallStack stack{&log, run};
    bool &running = run.running;
    int &terminations = run.terminations;
};

TEST_F(CallStackTest, ClearedStackShowsQuestionMarksWithTheMarkerOnTheLastRow)
{
    expectCleared();
    pushNumbers(10);
    stack.clearStack();
    expectCleared();
    EXPECT_EQ(log.text(), QString());
}

TEST_F(CallStackTest, PopReturnsEntriesLastPushedFirstAndPoppedRowsKeepTheirValue)
{
    stack.PUSH(QStringLiteral("a"));
    stack.PUSH(QStringLiteral("b c"));
    stack.PUSH(QString());
    EXPECT_EQ(stack.SP(), 246);
    EXPECT_EQ(stack.markerRow(), 246);
    EXPECT_EQ(stack.valueAt(248), QStringLiteral("a"));
    EXPECT_EQ(stack.valueAt(247), QStringLiteral("b c"));
    EXPECT_EQ(stack.valueAt(249), QStringLiteral("?")) << "the last row never receives a value";

    EXPECT_EQ(stack.POP(), QString());
    EXPECT_EQ(stack.POP(), QStringLiteral("b c"));
    EXPECT_EQ(stack.SP(), 248);
    EXPECT_EQ(stack.markerRow(), 248);
    EXPECT_EQ(stack.valueAt(247), QStringLiteral("b c"));
    EXPECT_EQ(stack.valueAt(246), QString());

    stack.PUSH(QStringLiteral("d"));
    EXPECT_EQ(stack.valueAt(247), QStringLiteral("d")) << "a push overwrites the popped row";
    EXPECT_EQ(stack.POP(), QStringLiteral("d"));
    EXPECT_EQ(stack.POP(), QStringLiteral("a"));
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(log.text(), QString());
    EXPECT_EQ(terminations, 0);
}

// A return looks for its caller by the path beside the file name; any other entry, also one
// pushed later on the same row, has none, so no stale path can lead a return astray.
TEST_F(CallStackTest, ACallersPathLiesBesideItsFileNameAndNothingElse)
{
    stack.pushCaller(QStringLiteral("ana.vnp"), QStringLiteral("/ders/ana.vnp"));
    EXPECT_EQ(stack.valueAt(stack.SP()), QStringLiteral("ana.vnp")) << "the stack shows the file name";
    EXPECT_EQ(stack.callerPathOnTop(), QStringLiteral("/ders/ana.vnp"));
    stack.PUSH(QStringLiteral("id3"));
    EXPECT_EQ(stack.callerPathOnTop(), QString());
    stack.POP();
    stack.POP();
    stack.PUSH(QStringLiteral("ana.vnp"));
    EXPECT_EQ(stack.callerPathOnTop(), QString()) << "a plain entry over the caller's row";

    stack.pushCaller(QStringLiteral("ana.vnp"), QStringLiteral("/ders/ana.vnp"));
    stack.clearStack();
    pushNumbers(2);
    EXPECT_EQ(stack.POP(), QStringLiteral("2"));
    EXPECT_EQ(stack.callerPathOnTop(), QString()) << "cleared with the stack";
    stack.POP();
    EXPECT_EQ(stack.callerPathOnTop(), QString()) << "the empty stack";
}

// A number passes through the stack as a variable holds it, showing the text it would show.
TEST_F(CallStackTest, ANumberShowsItsTextAndComesBackAsTheSameNumber)
{
    LocaleScope turkish{QLocale(QLocale::Turkish, QLocale::Turkey)};
    stack.PUSH(Value::fromNumber(2.5));
    stack.PUSH(Value::fromNumber(-7));
    EXPECT_EQ(stack.valueAt(247), QStringLiteral("-7"));
    EXPECT_EQ(stack.valueAt(248), QStringLiteral("2,5"));
    double number = 0;
    EXPECT_TRUE(stack.popValue().toNumber(number));
    EXPECT_EQ(number, -7);
    EXPECT_TRUE(stack.popValue().toNumber(number));
    EXPECT_EQ(number, 2.5);
}

TEST_F(CallStackTest, TheTwoHundredFiftiethPushOverflowsAndEndsTheRun)
{
    pushNumbers(249);
    EXPECT_EQ(stack.SP(), 0);
    EXPECT_EQ(stack.valueAt(0), QStringLiteral("249"));
    EXPECT_EQ(log.text(), QString());
    EXPECT_EQ(terminations, 0);

    stack.PUSH(QStringLiteral("fazla"));
    EXPECT_EQ(log.text(), QStringLiteral("YIĞIN TAŞMASI!\r\n"));
    EXPECT_EQ(terminations, 1);
    EXPECT_LT(stack.SP(), 0);
    EXPECT_EQ(stack.valueAt(0), QStringLiteral("249")) << "nothing is stored";
    for (int row = 0; row < CallStack::RowCount; ++row)
        ASSERT_NE(stack.valueAt(row), QStringLiteral("fazla")) << row;

    // The stack stays overflowed until it is cleared.
    stack.PUSH(QStringLiteral("daha"));
    EXPECT_LT(stack.SP(), 0);
    EXPECT_EQ(terminations, 2);
    stack.clearStack();
    expectCleared();
}

TEST_F(CallStackTest, OverflowOutsideARunEndsItSilently)
{
    running = false;
    pushNumbers(250);
    EXPECT_EQ(log.text(), QString());
    EXPECT_EQ(terminations, 1);
    EXPECT_LT(stack.SP(), 0);
}

TEST_F(CallStackTest, PopOfAnEmptyStackReportsAndEndsTheRun)
{
    EXPECT_EQ(stack.POP(), QString());
    EXPECT_EQ(log.text(), QStringLiteral("YIĞIN BOŞ!\r\n"));
    EXPECT_EQ(terminations, 1);
    EXPECT_EQ(stack.SP(), 249);
    EXPECT_EQ(stack.markerRow(), 249);

    EXPECT_EQ(stack.POP(), QString());
    EXPECT_EQ(log.text(), QStringLiteral("YIĞIN BOŞ!\r\nYIĞIN BOŞ!\r\n")) << "every such pop reports";
    EXPECT_EQ(terminations, 2);
}

// Wired into a runtime, the overflow message depends on the run control's own state.
TEST(CallStackRunTest, OverflowReportsOnlyWhileARunIsInProgress)
{
    ChartTest::RunHarness idle;
    for (int i = 0; i < 250; ++i)
        idle.runtime.stack.PUSH(QStringLiteral("x"));
    EXPECT_TRUE(idle.messages.isEmpty());
    EXPECT_LT(idle.runtime.stack.SP(), 0);

    ChartTest::RunHarness busy;
    busy.chart.chain({{"START"}, {"STOP"}});
    busy.start(100); // timed: in progress until the timer ticks
    ASSERT_TRUE(busy.runtime.run.runInProgress());
    EXPECT_EQ(busy.runtime.stack.SP(), 244) << "the bottom frame holds five entries";
    while (busy.runtime.stack.SP() > 0)
        busy.runtime.stack.PUSH(QStringLiteral("x"));
    EXPECT_TRUE(busy.messages.isEmpty());
    busy.runtime.stack.PUSH(QStringLiteral("x"));
    EXPECT_EQ(busy.messages, QStringList{QStringLiteral("YIĞIN TAŞMASI!")});
    EXPECT_FALSE(busy.runtime.run.runInProgress());
    EXPECT_TRUE(busy.runtime.run.editingEnabled());
}

} // namespace
