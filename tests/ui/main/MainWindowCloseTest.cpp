// Closing the main window ends the program in every state: with the run windows and the
// message window open, while a program runs fast or slowly, is paused, or waits for an input.
// Each case runs the application's own event loop, which the close has to end.

#include "ui/support/CountingLoopChart.h"
#include "ui/support/MainWindowFixture.h"

#include "ui/run/GuiRunHost.h"
#include "ui/guiwin/RunWindowHost.h"
#include "ui/guiwin/frmWindow.h"
#include "ui/runwin/frmScreen.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"

#include <QApplication>

namespace {

class MainWindowCloseTest : public MainWindowFixture {
protected:
    // Runs the application's event loop: `reachState` starts from it and, once the state is
    // reached, closes the main window. True when that ended the loop; a loop still running
    // long after is stopped and counts as a failure.
    bool closeEndsTheProgram(const std::function<void()> &reachState)
    {
        bool stuck = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this, &stuck] {
            stuck = true;
            if (run().runInProgress())
                run().TerminateExecution();
            QCoreApplication::exit(1);
        });
        watchdog.start(20000);
        QTimer::singleShot(0, window.get(), reachState);
        const int status = QApplication::exec();
        return status == 0 && !stuck;
    }

    // Closes the main window from the event loop once the condition holds.
    void closeWhen(const std::function<bool()> &condition)
    {
        auto *poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, condition] {
            if (!condition())
                return;
            poll->stop();
            window->close();
        });
        poll->start(10);
    }

    void openRunWindows()
    {
        window->showScreen(true);
        window->vars()->show();
        window->stack()->show();
    }

    void loadCountingLoop()
    {
        ASSERT_TRUE(writeCountingLoop(charts, QStringLiteral("loop.vnp"), QStringLiteral("1e300")));
        ASSERT_TRUE(window->project().load_FILE(charts.path(QStringLiteral("loop.vnp"))));
    }

    void expectNothingLeftOnScreen()
    {
        for (const QWidget *widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        EXPECT_FALSE(run().runInProgress());
    }

    ChartTest::ChartFolder charts;
};

} // namespace

TEST_F(MainWindowCloseTest, WithTheRunWindowsAndTheMessageWindowOpen)
{
    window->show();
    ASSERT_TRUE(closeEndsTheProgram([this] {
        openRunWindows();
        window->log().mBox(QStringLiteral("Bir ileti"));
        closeWhen([] { return true; });
    }));
    expectNothingLeftOnScreen();
}

TEST_F(MainWindowCloseTest, WhileAProgramRunsFast)
{
    loadCountingLoop();
    window->show();
    setDelay(0);
    ASSERT_TRUE(closeEndsTheProgram([this] {
        openRunWindows();
        closeWhen([this] { return run().runInProgress(); });
        QTest::mouseClick(controls().cmdRun, Qt::LeftButton); // returns when the run has ended
    }));
    expectNothingLeftOnScreen();
}

TEST_F(MainWindowCloseTest, WhileAProgramRunsSlowlyOrIsPaused)
{
    for (const bool paused : {false, true}) {
        loadCountingLoop();
        window->show();
        setDelay(20);
        ASSERT_TRUE(closeEndsTheProgram([this, paused] {
            openRunWindows();
            closeWhen([this, paused] {
                if (paused && run().runInProgress() && !controls().chkPause->isChecked())
                    controls().chkPause->click();
                return run().runInProgress() && controls().chkPause->isChecked() == paused;
            });
            QTest::mouseClick(controls().cmdRun, Qt::LeftButton);
        })) << "paused " << paused;
        expectNothingLeftOnScreen();
        window = std::make_unique<frmMain>();
    }
}

TEST_F(MainWindowCloseTest, WhileAProgramWaitsForAnInput)
{
    loadExample(QStringLiteral("factorial.vnp"));
    window->show();
    setDelay(0);
    ASSERT_TRUE(closeEndsTheProgram([this] {
        openRunWindows();
        closeWhen([this] { return window->runtime().console.inputPending(); });
        QTest::mouseClick(controls().cmdRun, Qt::LeftButton); // returns when the run has ended
    }));
    expectNothingLeftOnScreen();
    EXPECT_FALSE(window->runtime().console.inputPending());
}

TEST_F(MainWindowCloseTest, WhileARunTimeWindowWaitsForClicks)
{
    loadExample(QStringLiteral("Tıklanan Resim.vnp"));
    window->show();
    setDelay(0);
    ASSERT_TRUE(closeEndsTheProgram([this] {
        closeWhen([this] {
            const RunWindowHost *windows = window->host().windows();
            return windows && windows->window() && windows->window()->isVisible() && !run().timerEnabled();
        });
        QTest::mouseClick(controls().cmdRun, Qt::LeftButton);
    }));
    expectNothingLeftOnScreen();
}
