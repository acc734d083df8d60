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

    log.dismiss();
    EXPECT_FALSE(log.messageBoxShown());
    log.mBox(QStringLiteral("yeni"));
    EXPECT_EQ(log.text(), QStringLiteral("yeni\r\n"));
}

TEST(MessageLogTest, ModalMessagesGoToTheSinkOrElseToTheLog)
{
    MessageLog log;
    log.showModal(QStringLiteral("kip"), QStringLiteral("Başlık"));
    EXPECT_EQ(log.text(), QStringLiteral("kip\r\n"));

    QString shown;
    QString title;
    log.setModalSink([&](const QString &t, const QString &h) { shown = t; title = h; });
    log.showModal(QStringLiteral("uyarı"), QStringLiteral("fTopKey"));
    EXPECT_EQ(shown, QStringLiteral("uyarı"));
    EXPECT_EQ(title, QStringLiteral("fTopKey"));
    EXPECT_EQ(log.text(), QStringLiteral("kip\r\n"));
}
