#include "ui/support/MainWindowFixture.h"
#include "WindowRunHarness.h"

#include "ui/run/GuiRunHost.h"

class MainWindowRunWindowTest : public MainWindowFixture {
protected:
    frmWindow *runWindow() const
    {
        RunWindowHost *windows = window->host().windows();
        return windows ? windows->window() : nullptr;
    }
};

TEST_F(MainWindowRunWindowTest, TheRunButtonOpensTheExamplesWindowOwnedByTheMainWindow)
{
    loadExample(QStringLiteral("Tıklanan Resim.vnp"));
    window->show();
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return runWindow() && runWindow()->isVisible() && !run().timerEnabled(); }));
    frmWindow *pencere = runWindow();
    EXPECT_EQ(pencere->parentWidget(), window.get());
    EXPECT_TRUE(pencere->isWindow());
    EXPECT_EQ(pencere->windowIcon().cacheKey(), window->windowIcon().cacheKey());
    EXPECT_FALSE(controls().cmdRun->isEnabled());

    QWidget *picture = pencere->theGUI().item(QStringLiteral("resim"))->objGUI();
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(40, 30));
    ASSERT_TRUE(waitFor([&] { return pencere->theGUI().item(QStringLiteral("bilgi"))->sText() == QStringLiteral("1. tıklama: 40,30"); }));
    ASSERT_TRUE(waitFor([this] { return !run().timerEnabled(); }));

    pencere->close();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_TRUE(run().completedNormally());
    EXPECT_EQ(window->runtime().console.line(0), QStringLiteral("Toplam tıklama: 1"));
    EXPECT_EQ(runWindow(), nullptr);
    EXPECT_TRUE(controls().cmdRun->isEnabled());
    EXPECT_TRUE(window->log().text().isEmpty()) << window->log().text().toStdString();
}

TEST_F(MainWindowRunWindowTest, TheStopButtonClosesTheWindow)
{
    loadExample(QStringLiteral("Basit Pencere ve Yazı.vnp"));
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return runWindow() != nullptr; }));
    QPointer<frmWindow> pencere = runWindow();
    QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    EXPECT_FALSE(run().runInProgress());
    ASSERT_TRUE(waitFor([&] { return pencere.isNull(); }));
    EXPECT_FALSE(window->runtime().flags.windowLoaded);
}
