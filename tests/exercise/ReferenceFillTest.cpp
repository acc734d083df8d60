#include "exercise/ReferenceFill.h"

#include "interp/ChartBuilder.h"

#include <gtest/gtest.h>

namespace {

using ChartTest::ChartFolder;
using ChartTest::LocaleScope;

ExerciseTest test(const char *name, const QStringList &input, bool transcript = false)
{
    ExerciseTest t;
    t.name = QString::fromUtf8(name);
    t.input = input;
    t.expected = {QStringLiteral("eski")};
    t.wholeTranscript = transcript;
    return t;
}

// The reference runs by the exercise's regional settings, and the program's come back after.
TEST(ReferenceFillTest, TakesWhatTheReferencePrintsAndLeavesTheTestsItDoesNotFinish)
{
    const LocaleScope english(QLocale(QStringLiteral("en_US")));
    ChartFolder folder;
    ASSERT_TRUE(folder.write(QStringLiteral("yarı.vnp"),
                             {{"START"}, {"INPUT", "Sayı", "x"}, {"DIVIDE", "x", "2", "y"}, {"OUTPUT", "Yarısı", "y"}, {"STOP"}}));
    Exercise exercise;
    exercise.tests = {test("çıktı", {"5"}, false), test("döküm", {"5"}, true), test("girdisiz", {})};

    const QStringList problems = ReferenceFill::fill(exercise, folder.path(QStringLiteral("yarı.vnp")));

    EXPECT_EQ(exercise.tests[0].expected, QStringList{QStringLiteral("Yarısı 2,5")});
    EXPECT_EQ(exercise.tests[1].expected, (QStringList{QStringLiteral("Sayı >5"), QStringLiteral("Yarısı 2,5")}));
    EXPECT_EQ(exercise.tests[2].expected, QStringList{QStringLiteral("eski")});
    EXPECT_EQ(problems, QStringList{QStringLiteral("“girdisiz” testi: girdi bitti")});
    EXPECT_EQ(Numbers::format(2.5), QStringLiteral("2.5"));
}

} // namespace
