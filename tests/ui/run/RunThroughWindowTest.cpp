#include "ui/support/CountingLoopChart.h"
#include "ui/support/MainWindowFixture.h"

#include "interp/CallStack.h"
#include "ui/runwin/StackModel.h"
#include "ui/runwin/VariablesModel.h"
#include "ui/runwin/frmScreen.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"

namespace {

QString varValue(VariablesModel *model, const QString &name)
{
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->index(0, c).data().toString() == name)
            return model->index(1, c).data().toString();
    return QStringLiteral("<yok>");
}

} // namespace

class RunThroughWindowTest : public MainWindowFixture {};

TEST_F(RunThroughWindowTest, FactorialExampleRunsToItsEndWithKeysTypedIntoTheMainWindow)
{
    loadExample(QStringLiteral("factorial.vnp"));
    window->show();
    setDelay(0);
    QTest::mouseClick(controls().cmdVars, Qt::LeftButton);
    QTest::mouseClick(controls().cmdStack, Qt::LeftButton);
    bool locked = false;
    whenInputPending([this, &locked] {
        locked = !controls().cmdRun->isEnabled() && !window->fraToolBar1()->isVisible();
        QTest::keyClicks(window.get(), QStringLiteral("5"));
        QTest::keyClick(window.get(), Qt::Key_Return);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_TRUE(run().completedNormally());
    EXPECT_TRUE(locked);

    const ConsoleScreen &console = window->runtime().console;
    EXPECT_EQ(console.line(0), QStringLiteral("Bir sayı girin >5"));
    EXPECT_EQ(console.line(1), QStringLiteral("Faktöriyel: 120"));
    EXPECT_TRUE(window->screen()->isVisible());

    VariablesModel *vars = window->vars()->model();
    vars->refresh();
    EXPECT_EQ(vars->rowCount(), 2);
    EXPECT_EQ(vars->columnCount(), window->runtime().vars.columnCount());
    EXPECT_EQ(varValue(vars, QStringLiteral("PARAM")), QStringLiteral("PARAM"));
    EXPECT_EQ(varValue(vars, QStringLiteral("RET-OS")), window->runtime().vars.getVar(QStringLiteral("RETURN")));

    StackModel *stack = window->stack()->model();
    stack->refresh();
    EXPECT_EQ(stack->rowCount(), CallStack::RowCount);
    EXPECT_EQ(stack->index(249, 1).data().toString(), QStringLiteral("SP >"));
    EXPECT_EQ(stack->index(248, 2).data().toString(), QStringLiteral("PARAM"));
    EXPECT_EQ(stack->index(249, 2).data().toString(), QStringLiteral("?"));
    EXPECT_EQ(stack->index(7, 0).data().toString(), QStringLiteral("7"));

    // Editing comes back after the run.
    EXPECT_TRUE(controls().cmdRun->isEnabled());
    EXPECT_TRUE(window->fraToolBar1()->isVisible());
    EXPECT_TRUE(window->menu(QStringLiteral("mnuFile"))->isEnabled());
}

TEST_F(RunThroughWindowTest, GridsShowTheRunMidWay)
{
    loadExample(QStringLiteral("factorial.vnp"));
    setDelay(0);
    QStringList names;
    QStringList stackRows;
    whenInputPending([&] {
        VariablesModel *vars = window->vars()->model();
        StackModel *stack = window->stack()->model();
        vars->refresh();
        stack->refresh();
        for (int c = 0; c < vars->columnCount(); ++c)
            names << vars->index(0, c).data().toString();
        for (int row = 243; row < CallStack::RowCount; ++row)
            stackRows << stack->index(row, 1).data().toString() + stack->index(row, 2).data().toString();
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    // Only RETURN after the clearing (the header column first); the bottom frame on the stack.
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(names[0], QString());
    EXPECT_EQ(names[1], QStringLiteral("RETURN"));
    const QStringList expected = {QStringLiteral("?"), QStringLiteral("SP >IP-OS"), QStringLiteral("CS-OS"),
                                  QStringLiteral("RET-OS"), QStringLiteral("PAR-OS"), QStringLiteral("PARAM"),
                                  QStringLiteral("?")};
    EXPECT_EQ(stackRows, expected);
}

TEST_F(RunThroughWindowTest, StopDuringInputEndsTheRunWithoutStoringTheValue)
{
    loadExample(QStringLiteral("factorial.vnp"));
    setDelay(0);
    whenInputPending([this] {
        QTest::keyClicks(window.get(), QStringLiteral("7"));
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }, 1000));
    EXPECT_FALSE(window->runtime().console.inputPending());
    EXPECT_FALSE(run().completedNormally());
    EXPECT_TRUE(controls().cmdRun->isEnabled());
    EXPECT_FALSE(controls().chkPause->isEnabled());
    EXPECT_FALSE(controls().chkPause->isChecked());
    EXPECT_EQ(window->runtime().vars.findVar(QStringLiteral("n")), -1);
}

TEST_F(RunThroughWindowTest, StopActsDuringAFastEndlessRun)
{
    ChartTest::ChartFolder folder;
    ASSERT_TRUE(writeCountingLoop(folder, QStringLiteral("loop.vnp"), QStringLiteral("1e300")));
    ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("loop.vnp"))));
    window->show();
    window->vars()->show();
    setDelay(0);
    bool wasRunning = false;
    QTimer::singleShot(150, window.get(), [&] {
        wasRunning = run().runInProgress();
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    EXPECT_TRUE(waitFor([this] { return !run().runInProgress(); }, 2000));
    EXPECT_TRUE(wasRunning);
    // The grid caught up with the counter once the run stopped.
    window->vars()->model()->refresh();
    const int column = window->runtime().vars.findVar(QStringLiteral("i"));
    ASSERT_GT(column, 0);
    EXPECT_EQ(window->vars()->model()->index(1, column).data().toString(),
              window->runtime().vars.getVar(QStringLiteral("i")));
    EXPECT_GT(window->runtime().vars.getVar(QStringLiteral("i")).toDouble(), 1000);
}

TEST_F(RunThroughWindowTest, StepModeRunsOneBlockPerNextStep)
{
    loadExample(QStringLiteral("test00_hello.vnp"));
    setDelay(RunControl::DelayMaximum);
    EXPECT_EQ(controls().lblDelay->text(), QStringLiteral("gecikme: P"));
    pressRun();
    ASSERT_TRUE(waitFor([this] { return controls().chkPause->isChecked(); }, 2000));
    EXPECT_TRUE(controls().cmdNextStep->isEnabled());
    const cBlock *before = run().currentBlock();
    QTest::mouseClick(controls().cmdNextStep, Qt::LeftButton);
    ASSERT_TRUE(waitFor([this, before] { return run().currentBlock() != before && controls().chkPause->isChecked(); }, 2000));
    // During a timed run the delay cannot reach 0.
    EXPECT_EQ(controls().scroll_ExecutionDelay->minimum(), 1);
}

TEST_F(RunThroughWindowTest, DelayZeroLocksTheDelayBarAndPauseDuringTheRun)
{
    loadExample(QStringLiteral("factorial.vnp"));
    setDelay(0);
    EXPECT_EQ(controls().lblDelay->text(), QStringLiteral("gecikme:0"));
    bool barEnabled = true;
    bool pauseEnabled = true;
    whenInputPending([&] {
        barEnabled = controls().scroll_ExecutionDelay->isEnabled();
        pauseEnabled = controls().chkPause->isEnabled();
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_FALSE(barEnabled);
    EXPECT_FALSE(pauseEnabled);
    EXPECT_TRUE(controls().scroll_ExecutionDelay->isEnabled());
    EXPECT_EQ(controls().scroll_ExecutionDelay->minimum(), 0);
}
