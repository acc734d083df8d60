#include "base/MessageLog.h"
#include "interp/AppFlags.h"
#include "interp/CallStack.h"
#include "interp/ConsoleScreen.h"
#include "interp/RunEnding.h"
#include "interp/VariableStore.h"
#include "ui/runwin/frmScreen.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"
#include "ui/runwin/frm_mBox.h"

#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(RunWindowClose, ConsoleCloseBoxFollowsTheEndingRules)
{
    const struct {
        bool startUpFlow;
        bool windowLoaded;
        bool runFinished;
        bool messageBoxShown;
        bool ends;
    } cases[] = {
        {false, false, false, false, false}, // the editor: only hidden
        {false, false, false, true, false},
        {true, false, false, false, true},   // start-up flow, no run-time window: the program ends
        {true, true, false, false, false},   // a run-time window still open: the console just closes
        {true, false, true, true, true},
    };
    for (const auto &c : cases) {
        MessageLog log;
        ConsoleScreen console;
        AppFlags flags;
        flags.startUpFlowMode = c.startUpFlow;
        flags.windowLoaded = c.windowLoaded;
        flags.runFinished = c.runFinished;
        log.setMessageBoxShown(c.messageBoxShown);
        int ended = 0;
        frmScreen screen(console, flags, log, [&ended] { ++ended; }, nullptr);
        screen.show();
        EXPECT_TRUE(flags.screenShown);
        screen.close();
        EXPECT_EQ(ended, c.ends ? 1 : 0) << c.startUpFlow << c.windowLoaded << c.runFinished << c.messageBoxShown;
        EXPECT_FALSE(screen.isVisible());
        EXPECT_FALSE(flags.screenShown);
    }
}

TEST(RunWindowClose, MessageWindowEndsAFinishedStartUpFlowOnlyWithoutTheConsole)
{
    for (const bool consoleOpen : {false, true}) {
        MessageLog log;
        AppFlags flags;
        flags.runFinished = true;
        flags.screenShown = consoleOpen;
        int ended = 0;
        frm_mBox box(log, flags, [&ended] { ++ended; }, nullptr);
        log.mBox(QStringLiteral("ileti"));
        box.showLog();
        box.okButton()->click();
        EXPECT_EQ(ended, consoleOpen ? 0 : 1);
        EXPECT_TRUE(log.text().isEmpty());
    }
}

namespace {

class NoRun : public RunEnding {
public:
    bool runInProgress() const override { return false; }
    void endRun() override {}
};

} // namespace

TEST(RunWindowClose, GridWindowsOnlyHide)
{
    MessageLog log;
    VariableStore vars(&log);
    NoRun run;
    CallStack stack(&log, run);
    frmVars varsWindow(vars, nullptr);
    frmStack stackWindow(stack, nullptr);
    for (QWidget *w : {static_cast<QWidget *>(&varsWindow), static_cast<QWidget *>(&stackWindow)}) {
        w->show();
        EXPECT_FALSE(w->close());
        EXPECT_FALSE(w->isVisible());
    }
}
