#include "ui/support/MainWindowFixture.h"

#include "interp/ChartBuilder.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "render/LineItem.h"
#include "ui/editor/ChartEditor.h"
#include "ui/main/DebugCommands.h"
#include "ui/main/MainActions.h"
#include "ui/run/DebugOverlay.h"
#include "ui/runwin/StackModel.h"
#include "ui/runwin/VariablesModel.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"
#include "ui/runwin/frm_mBox.h"

#include <QAction>
#include <QSettings>

// The debugger as the main window offers it: breakpoints with their dots, a paused run's
// variables, the counts on the chart, and the block an error ended the run at.
class DebuggerWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        QSettings().remove(QStringLiteral("breakpoints"));
        QSettings().remove(QStringLiteral("debugger"));
        window = std::make_unique<frmMain>(); // with the settings as cleared
        window->resize(900, 700);
        window->show();
    }

    DebugCommands &commands() { return *window->debugCommands(); }
    const MainActions::Run &menu() const { return window->actions().run; }

    // i from 1 to 3, each printed; the condition's HAYIR leads to a block that never runs when
    // the run ends early.
    void openLoop()
    {
        ASSERT_TRUE(folder.write(QStringLiteral("dongu.vnp"), [](ChartTest::ChartBuilder &c) {
            const QStringList head = c.chain({{"START"}, {"DEFINITION", "i", "1"}, {"INTERSECTION"}});
            const QString test = c.add("IF_LESS_EQUAL", "i", "3");
            const QString show = c.add("OUTPUT", "", "i");
            const QString next = c.add("ADD", "i", "1", "i");
            const QString never = c.add("DIVIDE", "i", "0", "k");
            const QString end = c.add("STOP");
            c.link(head.back(), test);
            c.link(test, show, "EVET");
            c.link(show, next);
            c.link(next, head.back());
            c.link(test, never, "HAYIR");
            c.link(never, end);
        }));
        ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("dongu.vnp"))));
    }

    cBlock *block(const QString &tag) { return window->project().theBlockCollection().item(tag); }
    BlockItem *item(const QString &tag) { return window->editor()->scene().blockItem(block(tag)->theObjectShape()); }
    void select(const QString &tag) { window->project().context().setSelection(block(tag)->theObjectShape(), -1); }

    ChartTest::ChartFolder folder;
};

TEST_F(DebuggerWindowTest, BreakpointsShowAsDotsAndAreKeptForTheChartFile)
{
    openLoop();
    select(QStringLiteral("id5"));
    menu().toggleBreakpoint->trigger();
    ASSERT_TRUE(waitFor([this] { return item(QStringLiteral("id5"))->debugMark().breakpoint; }));
    EXPECT_FALSE(item(QStringLiteral("id4"))->debugMark().breakpoint);

    TearDown(); // as after closing the program and starting it again
    window = std::make_unique<frmMain>();
    window->project().load_FILE(folder.path(QStringLiteral("dongu.vnp")));
    EXPECT_TRUE(commands().breakpoints().has(Breakpoints::chartKey(folder.path(QStringLiteral("dongu.vnp"))),
                                            QStringLiteral("id5")));
    EXPECT_TRUE(waitFor([this] { return item(QStringLiteral("id5"))->debugMark().breakpoint; }));

    menu().clearBreakpoints->trigger();
    EXPECT_TRUE(commands().breakpoints().isEmpty());
    EXPECT_FALSE(item(QStringLiteral("id5"))->debugMark().breakpoint);
}

TEST_F(DebuggerWindowTest, PausedRunMarksChangedValuesAndTakesAnEditedOne)
{
    openLoop();
    commands().breakpoints().set(Breakpoints::chartKey(window->project().projectPath()), QStringLiteral("id6"));
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return run().canStep(); }));
    EXPECT_TRUE(controls().chkPause->isChecked());
    VariablesModel &vars = *window->vars()->model();
    vars.refresh();
    const int i = window->runtime().vars.findVar(QStringLiteral("i"));
    EXPECT_TRUE(vars.changedSinceBaseline(i)) << "made since the run started";
    EXPECT_FALSE(vars.changedSinceBaseline(window->runtime().vars.findVar(QStringLiteral("RETURN"))));
    EXPECT_TRUE(vars.flags(vars.index(1, i)) & Qt::ItemIsEditable);

    menu().stepInto->trigger(); // i = i + 1 runs
    ASSERT_TRUE(waitFor([this] { return run().canStep(); }));
    vars.refresh();
    EXPECT_TRUE(vars.changedSinceBaseline(i));
    if (qEnvironmentVariableIsSet("VARNEL_SHOTS")) { // pictures to look at, not to compare
        menu().counts->setChecked(true);
        window->grab().save(QStringLiteral("/tmp/varnel-paused.png"));
        window->vars()->grab().save(QStringLiteral("/tmp/varnel-paused-vars.png"));
    }
    EXPECT_TRUE(vars.setData(vars.index(1, i), QStringLiteral("10")));
    EXPECT_EQ(window->runtime().vars.valueAt(i).text(), QStringLiteral("10"));

    commands().breakpoints().clear();
    controls().chkPause->click();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_FALSE(vars.flags(vars.index(1, i)) & Qt::ItemIsEditable);
    EXPECT_EQ(window->runtime().console.line(0), QStringLiteral("1"));
    EXPECT_TRUE(window->runtime().console.line(1).isEmpty()) << "the edited i ended the loop at once";
}

TEST_F(DebuggerWindowTest, CountsShowOnBlocksAndConditionLinesAndTheFailedBlockIsNamed)
{
    openLoop();
    menu().counts->setChecked(true);
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    commands().overlay().refresh();
    EXPECT_EQ(item(QStringLiteral("id4"))->debugMark().count, 4);
    EXPECT_EQ(item(QStringLiteral("id5"))->debugMark().count, 3);
    EXPECT_EQ(item(QStringLiteral("id8"))->debugMark().count, 0) << "reached only by the error's block";
    QStringList lineCounts;
    for (const auto &line : window->project().theLineCollection()) {
        if (line->sFrom() == QStringLiteral("id4"))
            lineCounts << line->sCaption() + QLatin1Char(' ') + window->editor()->scene().lineItem(line->theObjectLine())->countText();
    }
    lineCounts.sort();
    EXPECT_EQ(lineCounts, QStringList({QStringLiteral("EVET 3×"), QStringLiteral("HAYIR 1×")}));

    const QString &messages = window->log().text();
    EXPECT_GT(messages.indexOf(QStringLiteral("Blok id7: k = i / 0")), messages.indexOf(QStringLiteral("Hata numarası")))
        << "the block is named under the error's message";
    EXPECT_EQ(window->project().context().selectedIndex(), block(QStringLiteral("id7"))->theObjectShape());

    menu().counts->setChecked(false);
    EXPECT_EQ(item(QStringLiteral("id4"))->debugMark().count, -1);
}

TEST_F(DebuggerWindowTest, StackNamesTheChartOfEachCall)
{
    ASSERT_TRUE(folder.write(QStringLiteral("alt.vnp"), {{"START"}, {"OUTPUT", "alt"}, {"STOP"}}));
    ASSERT_TRUE(folder.write(QStringLiteral("ana.vnp"), {{"START"}, {"FUNCTION", "alt", "1", "r"}, {"STOP"}}));
    ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("ana.vnp"))));
    commands().breakpoints().set(Breakpoints::chartKey(folder.path(QStringLiteral("alt.vnp"))), QStringLiteral("id2"));
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return run().canStep(); }));
    StackModel &stack = *window->stack()->model();
    const int sp = window->runtime().stack.SP();
    QStringList named;
    for (int row = sp; row < CallStack::RowCount; ++row) {
        if (!stack.frameChartAt(row).isEmpty())
            named << QString::number(row) + QLatin1Char(' ') + stack.frameChartAt(row);
    }
    EXPECT_EQ(named, QStringList({QStringLiteral("243 alt.vnp"), QStringLiteral("248 ana.vnp")}));
    run().TerminateExecution();
}
