#include "base/MessageLog.h"

#include <gtest/gtest.h>

TEST(MessageLogTest, MessagesPileUpOldestFirstUntilDismissed)
{
    MessageLog log;
    log.mBox(QStringLiteral("birinci"));
    log.mBox(QString());
    log.mBox(QStringLiteral("ikinci"));
    EXPECT_EQ(log.text(), QStringLiteral("birinci\r\n\r\nikinci\r\n"));
    EXPECT_TRUE(log.messageBoxShown());

    EXPECT_EQ(log.messages().size(), 3);

    log.dismiss();
    EXPECT_FALSE(log.messageBoxShown());
    log.mBox(QStringLiteral("yeni"));
    EXPECT_EQ(log.text(), QStringLiteral("yeni\r\n"));
    ASSERT_EQ(log.messages().size(), 1) << "the window shows the messages since the last dismissal";
    EXPECT_EQ(log.messages().first().turkish(), QStringLiteral("yeni"));
}

TEST(MessageLogTest, ModalMessagesGoToTheSinkOrElseToTheLog)
{
    MessageLog log;
    log.showModal(QStringLiteral("kip"), QStringLiteral("Başlık"));
    EXPECT_EQ(log.text(), QStringLiteral("kip\r\n"));

    QString shown;
    QString title;
    log.setModalSink([&](const MessageText &t, const QString &h) { shown = t.turkish(); title = h; });
    log.showModal(QStringLiteral("uyarı"), QStringLiteral("fTopKey"));
    EXPECT_EQ(shown, QStringLiteral("uyarı"));
    EXPECT_EQ(title, QStringLiteral("fTopKey"));
    EXPECT_EQ(log.text(), QStringLiteral("kip\r\n"));
}
