#include "base/tranLng.h"

#include <gtest/gtest.h>

TEST(tranLng, KeysMatchInAnyLetterCase)
{
    EXPECT_EQ(tranLng(QStringLiteral("YES")), QStringLiteral("EVET"));
    EXPECT_EQ(tranLng(QStringLiteral("yes")), QStringLiteral("EVET"));
    EXPECT_EQ(tranLng(QStringLiteral("Yes")), QStringLiteral("EVET"));
    EXPECT_EQ(tranLng(QStringLiteral("no")), QStringLiteral("HAYIR"));
    EXPECT_EQ(tranLng(QStringLiteral("START")), QStringLiteral("başla"));
    EXPECT_EQ(tranLng(QStringLiteral("output")), QStringLiteral("çıkış"));
    EXPECT_EQ(tranLng(QStringLiteral("delay ")), QStringLiteral("gecikme"));
    EXPECT_EQ(tranLng(QStringLiteral("already connected!")), QStringLiteral("Zaten bağlı!"));
}

TEST(tranLng, AnythingElseGivesEmptyText)
{
    EXPECT_TRUE(tranLng(QStringLiteral("delay")).isEmpty());
    EXPECT_TRUE(tranLng(QStringLiteral("EVET")).isEmpty());
    EXPECT_TRUE(tranLng(QStringLiteral("Zaten bağlı!")).isEmpty());
    EXPECT_TRUE(tranLng(QString()).isEmpty());
    EXPECT_TRUE(tranLng(QStringLiteral(" yes")).isEmpty());
}
