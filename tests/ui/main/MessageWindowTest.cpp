#include "ui/support/MainWindowFixture.h"

#include "ui/runwin/frm_mBox.h"

#include <QPointer>

#include <QPushButton>

class MessageWindowTest : public MainWindowFixture {
protected:
    QString shownText()
    {
        window->messageWindow()->refresh();
        return window->messageWindow()->text();
    }
};

TEST_F(MessageWindowTest, MessagesPileUpOldestFirstUntilOk)
{
    MessageLog &log = window->log();
    log.mBox(QStringLiteral("birinci"));
    log.mBox(QString());
    log.mBox(QStringLiteral("ikinci"));
    ASSERT_NE(window->messageWindow(), nullptr);
    EXPECT_TRUE(window->messageWindow()->isVisible());
    EXPECT_EQ(window->messageWindow()->windowTitle(), QStringLiteral("Uyarı"));
    EXPECT_EQ(shownText(), QStringLiteral("birinci\n\nikinci\n"));
    EXPECT_TRUE(log.messageBoxShown());

    QTest::mouseClick(window->messageWindow()->okButton(), Qt::LeftButton);
    EXPECT_FALSE(window->messageWindow()->isVisible());
    EXPECT_FALSE(log.messageBoxShown());
    log.mBox(QStringLiteral("yeni"));
    EXPECT_EQ(shownText(), QStringLiteral("yeni\n"));
}

TEST_F(MessageWindowTest, CloseBoxDiscardsTheWindow)
{
    window->log().mBox(QStringLiteral("eski"));
    QPointer<frm_mBox> first = window->messageWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(window->log().messageBoxShown());
    window->log().mBox(QStringLiteral("yeni"));
    ASSERT_NE(window->messageWindow(), nullptr);
    EXPECT_EQ(shownText(), QStringLiteral("yeni\n"));
}

TEST_F(MessageWindowTest, RunErrorsArriveWhileTheRunGoesOn)
{
    // A chart without START: the message, and the run ends at its first tick.
    window->project().load_FILE(QStringLiteral(VARNEL_TEST_DATA "/../charts/missing-start/main.vnp"));
    window->log().dismiss();
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }, 2000));
    ASSERT_NE(window->messageWindow(), nullptr);
    EXPECT_TRUE(shownText().startsWith(QStringLiteral("Nesne: START - bulunamadı!\n")));
    EXPECT_TRUE(controls().cmdRun->isEnabled());
}
