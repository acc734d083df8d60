#include "interp/RunControl.h"

#include "interp/ChartBuilder.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

using ChartTest::RunHarness;
using ChartTest::waitUntil;

// START, three OUTPUT blocks printing 1, 2 and 3, END.
void countToThree(RunHarness &h)
{
    h.chart.chain({{"START"}, {"OUTPUT", "1"}, {"OUTPUT", "2"}, {"OUTPUT", "3"}, {"STOP"}});
}

// Lets queued events and due timers run for a moment; nothing is asserted about the time.
void settle()
{
    waitUntil([] { return false; }, 30);
}

TEST(RunControlTest, DelayLabelShowsTheDelayOrStepMode)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    EXPECT_EQ(run.delayLabel(), QStringLiteral("gecikme:100"));
    EXPECT_EQ(run.delay(), 100);
    EXPECT_EQ(run.interval(), 100);

    run.setDelay(RunControl::DelayMaximum);
    EXPECT_EQ(run.delayLabel(), QStringLiteral("gecikme: P"));
    EXPECT_EQ(run.interval(), 1) << "step mode ticks 1 ms after each next-step click";
    EXPECT_TRUE(run.stepMode());

    run.setDelay(2000);
    EXPECT_EQ(run.delayLabel(), QStringLiteral("gecikme:2000"));
    EXPECT_EQ(run.interval(), 2000);
    run.setDelay(0);
    EXPECT_EQ(run.delayLabel(), QStringLiteral("gecikme:0"));
    EXPECT_EQ(run.interval(), 0);
}

TEST(RunControlTest, TimedRunLocksEditingAndKeepsTheDelayAboveZero)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.start(100);
    ASSERT_TRUE(run.runInProgress());
    EXPECT_FALSE(run.editingEnabled());
    EXPECT_FALSE(run.runEnabled());
    EXPECT_TRUE(run.pauseEnabled());
    EXPECT_TRUE(run.timerEnabled());
    EXPECT_TRUE(run.delayEnabled());
    EXPECT_EQ(run.delayMinimum(), 1);

    run.setDelay(0);
    EXPECT_EQ(run.delay(), 1) << "a timed run cannot be switched to delay 0";
    run.setDelay(250);
    EXPECT_EQ(run.delay(), 250);

    run.cmdStop_MouseDown();
    EXPECT_TRUE(run.editingEnabled());
    EXPECT_TRUE(run.runEnabled());
    EXPECT_EQ(run.delayMinimum(), 0);
    run.setDelay(0);
    EXPECT_EQ(run.delay(), 0);
}

TEST(RunControlTest, RunAtDelayZeroCannotBePausedAndDisablesTheDelay)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    h.chart.chain({{"START"}, {"INPUT", "Ad", "ad"}, {"OUTPUT", "Merhaba", "ad"}, {"STOP"}});
    bool pauseEnabled = true, delayEnabled = true, editingEnabled = true, runEnabled = true;
    int confirmationsDuringRun = -1;
    QTimer::singleShot(0, &h.project, [&] {
        pauseEnabled = run.pauseEnabled();
        delayEnabled = run.delayEnabled();
        editingEnabled = run.editingEnabled();
        runEnabled = run.runEnabled();
        run.cmdRun_ClickP(); // the run button is disabled: nothing happens
        confirmationsDuringRun = h.host.confirmations;
        for (const QChar c : QStringLiteral("Ayşe"))
            h.runtime.console.processKey(c.unicode());
        h.runtime.console.processKey(13);
    });
    h.run();
    EXPECT_FALSE(pauseEnabled);
    EXPECT_FALSE(delayEnabled);
    EXPECT_FALSE(editingEnabled);
    EXPECT_FALSE(runEnabled);
    EXPECT_EQ(confirmationsDuringRun, 1);
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("Ad >Ayşe"), QStringLiteral("Merhaba Ayşe")}));
    EXPECT_TRUE(run.completedNormally());
    EXPECT_TRUE(run.delayEnabled());
    EXPECT_TRUE(run.editingEnabled());
    EXPECT_FALSE(run.pauseEnabled());
}

TEST(RunControlTest, StepModeRunsOneBlockPerNextStepClick)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.start(RunControl::DelayMaximum);
    ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); })) << "the START block pauses the run";
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_TRUE(run.nextStepEnabled());
    EXPECT_FALSE(run.timerEnabled());
    ASSERT_NE(run.currentBlock(), nullptr);
    EXPECT_EQ(run.currentBlock()->TagID(), QStringLiteral("id2"));

    for (int step = 1; step <= 3; ++step) {
        run.cmdNextStep_Click();
        EXPECT_FALSE(run.pauseChecked());
        ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); })) << step;
        settle();
        EXPECT_EQ(h.rows.size(), step) << "exactly one block per click";
        EXPECT_TRUE(run.runInProgress());
    }
    run.cmdNextStep_Click();
    ASSERT_TRUE(waitUntil([&] { return h.ended(); }));
    EXPECT_TRUE(run.completedNormally());
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_TRUE(h.messages.isEmpty());
}

// At delay 0 blocks run in slices; a change of the controls while a block waits still acts
// right after that block.
TEST(RunControlTest, StepModeChosenWhileAnInputWaitsPausesRightAfterTheInput)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    h.chart.chain({{"START"}, {"INPUT", "Sayı", "n"}, {"OUTPUT", "1"}, {"OUTPUT", "2"}, {"STOP"}});
    h.runtime.console.setLineSource([&run](const QString &) {
        run.setDelay(RunControl::DelayMaximum);
        return std::optional<QString>(QStringLiteral("5"));
    });
    h.run();
    EXPECT_TRUE(run.runInProgress());
    EXPECT_TRUE(run.pauseChecked());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("Sayı >5")});
    ASSERT_NE(run.currentBlock(), nullptr);
    EXPECT_EQ(run.currentBlock()->zParam1(), QStringLiteral("1"));

    run.cmdNextStep_Click();
    ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); }));
    settle();
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("Sayı >5"), QStringLiteral("1")})) << "one block per click";
    run.cmdStop_MouseDown();
}

TEST(RunControlTest, NextStepAtAnOrdinaryDelayResumesContinuousRunning)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.start(1);
    run.setPauseChecked(true); // the user pauses before the first tick
    EXPECT_FALSE(run.timerEnabled());
    EXPECT_TRUE(run.nextStepEnabled());
    settle();
    EXPECT_TRUE(h.rows.isEmpty());
    run.cmdNextStep_Click();
    ASSERT_TRUE(waitUntil([&] { return h.ended(); }));
    EXPECT_EQ(h.rows.size(), 3);
    EXPECT_TRUE(run.completedNormally());
}

TEST(RunControlTest, TicksDoNotNestWhileAnInputWaits)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    h.chart.chain({{"START"}, {"INPUT", "P", "x"}, {"OUTPUT", "sonra"}, {"STOP"}});
    // Everything below happens inside the input's own wait: the timer falls due many times
    // while the poll counts, and only then is the line typed.
    const cBlock *waitingAt = nullptr;
    bool stayed = false;
    int polls = 0;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &h.project, [&] {
        if (!h.runtime.console.inputPending())
            return;
        if (polls++ == 0) {
            waitingAt = run.currentBlock();
            return;
        }
        if (polls < 30)
            return;
        poll.stop();
        stayed = run.currentBlock() == waitingAt && h.rows.isEmpty() && run.timerEnabled();
        h.runtime.console.processKey('7');
        h.runtime.console.processKey(13);
    });
    poll.start();
    h.start(1);
    ASSERT_TRUE(waitUntil([&] { return h.ended(); }));
    EXPECT_NE(waitingAt, nullptr);
    EXPECT_TRUE(stayed) << "no tick ran while the input waited";
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("P >7"), QStringLiteral("sonra")}));
    EXPECT_EQ(h.var(QStringLiteral("x")), QStringLiteral("7"));
    EXPECT_TRUE(run.completedNormally());
}

TEST(RunControlTest, StoppingAPausedRunLeavesEverythingIdle)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.start(RunControl::DelayMaximum);
    ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); }));

    run.cmdStop_MouseDown();
    EXPECT_FALSE(run.runInProgress());
    EXPECT_EQ(run.currentBlock(), nullptr);
    EXPECT_FALSE(run.timerEnabled());
    EXPECT_TRUE(run.runEnabled());
    EXPECT_FALSE(run.pauseChecked());
    EXPECT_FALSE(run.pauseEnabled());
    EXPECT_FALSE(run.nextStepEnabled());
    EXPECT_TRUE(run.editingEnabled());
    settle();
    EXPECT_FALSE(run.timerEnabled()) << "no tick follows the stop";
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_FALSE(run.completedNormally());
    EXPECT_TRUE(h.messages.isEmpty()) << "stopping shows nothing";
}

TEST(RunControlTest, StoppingWithTrackingOnSelectsTheBlockThatWasNext)
{
    RunHarness h(true);
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.start(RunControl::DelayMaximum);
    ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); }));
    ASSERT_FALSE(h.host.selected.isEmpty());
    EXPECT_EQ(h.host.selected.first(), QStringLiteral("id1"));
    EXPECT_EQ(h.host.selected.last(), QStringLiteral("id2"));

    h.project.context().setSelection(-1, h.project.context().previousSelectedIndex());
    run.cmdStop_MouseDown();
    EXPECT_EQ(h.project.context().selectedIndex(), h.chart.block(QStringLiteral("id2"))->theObjectShape());
    EXPECT_EQ(h.project.context().previousSelectedIndex(), -1);
}

TEST(RunControlTest, ChartWithoutStartEndsAtTheFirstTick)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    h.chart.chain({{"OUTPUT", "yok"}, {"STOP"}});
    h.start(100);
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("Nesne: START - bulunamadı!")});
    EXPECT_TRUE(run.runInProgress());
    EXPECT_FALSE(run.editingEnabled());

    h.tick();
    EXPECT_FALSE(run.runInProgress());
    EXPECT_TRUE(run.editingEnabled());
    EXPECT_TRUE(run.runEnabled());
    EXPECT_FALSE(run.timerEnabled());
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_EQ(h.messages.size(), 1);
    EXPECT_FALSE(run.completedNormally());

    // At delay 0 the same happens before the run button returns.
    h.run();
    EXPECT_TRUE(h.ended());
    EXPECT_TRUE(run.editingEnabled());
    EXPECT_EQ(h.messages.size(), 2);
}

TEST(RunControlTest, CancellingTheUnsavedChangesQuestionStartsAndClearsNothing)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    countToThree(h);
    h.runtime.vars.setVar(QStringLiteral("eski"), QStringLiteral("1"));
    h.runtime.console.printLine(QStringLiteral("eski satır"));
    h.runtime.stack.PUSH(QStringLiteral("eski giriş"));
    int started = 0;
    QObject::connect(&run, &RunControl::runStarted, &h.project, [&] { ++started; });

    h.host.confirmAnswer = false;
    h.start(0);
    EXPECT_EQ(h.host.confirmations, 1);
    EXPECT_EQ(started, 0);
    EXPECT_FALSE(run.runInProgress());
    EXPECT_TRUE(run.runEnabled());
    EXPECT_TRUE(run.editingEnabled());
    EXPECT_FALSE(run.timerEnabled());
    EXPECT_EQ(h.var(QStringLiteral("eski")), QStringLiteral("1"));
    EXPECT_EQ(h.runtime.console.line(0), QStringLiteral("eski satır"));
    EXPECT_EQ(h.runtime.console.currentLine(), 1);
    EXPECT_EQ(h.runtime.stack.SP(), 248);
    EXPECT_EQ(h.runtime.stack.valueAt(248), QStringLiteral("eski giriş"));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("eski satır")});
    EXPECT_TRUE(h.messages.isEmpty());
}

TEST(RunControlTest, ARunThatEndsNormallyKeepsVariablesConsoleAndStack)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    h.chart.chain({{"START"}, {"ADD", "2", "3", "x"}, {"OUTPUT", "x", "x"}, {"STOP"}});
    int ended = 0;
    QObject::connect(&run, &RunControl::runEnded, &h.project, [&] { ++ended; });
    h.run();
    EXPECT_TRUE(h.messages.isEmpty());
    EXPECT_TRUE(run.completedNormally());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("x 5")});
    EXPECT_EQ(h.runtime.console.line(0), QStringLiteral("x 5"));
    EXPECT_EQ(h.var(QStringLiteral("x")), QStringLiteral("5"));
    // The bottom frame was popped but its rows keep showing it.
    EXPECT_EQ(h.runtime.stack.SP(), 249);
    EXPECT_EQ(h.runtime.stack.valueAt(248), QStringLiteral("PARAM"));
    EXPECT_EQ(h.runtime.stack.valueAt(247), QStringLiteral("PAR-OS"));
    EXPECT_EQ(h.runtime.stack.valueAt(246), QStringLiteral("RET-OS"));
    EXPECT_EQ(h.runtime.stack.valueAt(245), QStringLiteral("CS-OS"));
    EXPECT_EQ(h.runtime.stack.valueAt(244), QStringLiteral("IP-OS"));
}

TEST(RunControlTest, TheStopButtonEndsAnEndlessRunAtDelayZero)
{
    RunHarness h;
    RunControl &run = h.runtime.run;
    const QStringList tags = h.chart.chain({{"START"}, {"INTERSECTION"}});
    h.chart.link(tags[1], tags[1]);
    // Only a run that never looks at its events would reach this.
    h.runtime.interpreter.setBlockLimit(200'000'000);
    QTimer::singleShot(20, &h.project, [&] { run.cmdStop_MouseDown(); });
    h.run();
    EXPECT_TRUE(h.ended());
    EXPECT_FALSE(h.timedOut);
    EXPECT_FALSE(run.completedNormally());
    EXPECT_TRUE(h.messages.isEmpty());
    EXPECT_TRUE(run.editingEnabled());
}

} // namespace

namespace {

// START, i = 0, then i = i + 1 while i < 3, END: blocks id1 to id5, the loop id3 and id4.
void loopThreeTimes(RunHarness &h)
{
    const QStringList tags = h.chart.chain({{"START"}, {"DEFINITION", "i", "0"}, {"ADD", "i", "1", "i"}});
    const QString test = h.chart.add(QStringLiteral("IF_LESS"), QStringLiteral("i"), QStringLiteral("3"));
    const QString stop = h.chart.add(QStringLiteral("STOP"));
    h.chart.link(tags.last(), test);
    h.chart.link(test, tags.last(), QStringLiteral("EVET"));
    h.chart.link(test, stop, QStringLiteral("HAYIR"));
}

QStringList withoutRepeats(const QStringList &tags)
{
    QStringList shown;
    for (const QString &tag : tags)
        if (shown.isEmpty() || shown.last() != tag)
            shown.append(tag);
    return shown;
}

} // namespace

TEST(RunControlTest, ATimedRunShowsEveryBlockAndSelectsOnlyWhereItEnds)
{
    for (const int delay : {1, 3}) {
        RunHarness h(true);
        loopThreeTimes(h);
        QList<qint16> selections;
        QObject::connect(&h.project.context(), &ModelContext::selectionChanged, &h.project,
                         [&selections](qint16 selected) { selections.append(selected); });
        h.start(delay);
        ASSERT_TRUE(waitUntil([&] { return h.ended(); }));
        const QStringList path = {QStringLiteral("id1"), QStringLiteral("id2"), QStringLiteral("id3"),
                                  QStringLiteral("id4"), QStringLiteral("id3"), QStringLiteral("id4"),
                                  QStringLiteral("id3"), QStringLiteral("id4"), QStringLiteral("id5")};
        EXPECT_EQ(withoutRepeats(h.host.selected), path) << "delay " << delay;
        EXPECT_EQ(selections, QList<qint16>{h.chart.block(QStringLiteral("id5"))->theObjectShape()})
            << "delay " << delay;
    }
}

TEST(RunControlTest, StepModeSelectsEachBlockItPausesOn)
{
    RunHarness h(true);
    RunControl &run = h.runtime.run;
    loopThreeTimes(h);
    h.start(RunControl::DelayMaximum);
    for (const char *next : {"id2", "id3", "id4", "id3"}) {
        ASSERT_TRUE(waitUntil([&] { return run.pauseChecked(); })) << next;
        const cBlock *block = h.chart.block(QString::fromLatin1(next));
        EXPECT_EQ(run.currentBlock(), block);
        EXPECT_EQ(h.project.context().selectedIndex(), block->theObjectShape()) << next;
        EXPECT_EQ(h.host.selected.last(), QString::fromLatin1(next));
        run.cmdNextStep_Click();
    }
    run.cmdStop_MouseDown();
}

TEST(RunControlTest, AFastRunShowsTheBlockThatWaitsForInput)
{
    RunHarness h(true);
    const QStringList tags =
        h.chart.chain({{"START"}, {"DEFINITION", "a", "1"}, {"INPUT", "P", "x"}, {"OUTPUT", "x"}, {"STOP"}});
    QString shownWhileWaiting;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &h.project, [&] {
        if (!h.runtime.console.inputPending())
            return;
        poll.stop();
        shownWhileWaiting = h.host.selected.value(h.host.selected.size() - 1);
        h.runtime.console.processKey(13);
    });
    poll.start();
    h.run();
    EXPECT_TRUE(h.ended());
    EXPECT_EQ(shownWhileWaiting, tags[2]);
}
