// The unsaved-changes question: its text and what each answer leads to.

#include "project/SaveQuestion.h"

#include <gtest/gtest.h>

using Answer = SaveQuestion::Answer;
using Step = SaveQuestion::Step;

TEST(SaveQuestion, NamesTheProjectOrCallsItUntitled)
{
    const struct {
        const char *path;
        const char *text;
    } cases[] = {
        {"/home/ali/ödev/döngü.vnp", "döngü.vnp projesi kaydedilmemiş!\r\n\r\nDeğişiklikler kaydedilsin mi?"},
        {"", "Adsız projesi kaydedilmemiş!\r\n\r\nDeğişiklikler kaydedilsin mi?"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SaveQuestion::text(QString::fromUtf8(c.path)), QString::fromUtf8(c.text)) << c.path;
    EXPECT_EQ(SaveQuestion::title(), QStringLiteral("Kaydet?"));
}

TEST(SaveQuestion, IsAskedOnlyForUnsavedChanges)
{
    EXPECT_TRUE(SaveQuestion::needed(true));
    EXPECT_FALSE(SaveQuestion::needed(false));
}

TEST(SaveQuestion, YesSavesFirstNoGoesOnCancelStops)
{
    EXPECT_EQ(SaveQuestion::stepFor(Answer::Yes), Step::SaveFirst);
    EXPECT_EQ(SaveQuestion::stepFor(Answer::No), Step::Proceed);
    EXPECT_EQ(SaveQuestion::stepFor(Answer::Cancel), Step::Stop);
}

TEST(SaveQuestion, AFailedOrCancelledSaveKeepsTheDrawing)
{
    EXPECT_TRUE(SaveQuestion::proceedAfterSave(true));
    EXPECT_FALSE(SaveQuestion::proceedAfterSave(false));
}
