// The regional date and time formats as the generated programs walk them.
#include "codegen/DatePatterns.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

namespace {

TEST(DatePatterns, SplitsAPatternIntoFieldsAndLiterals)
{
    EXPECT_EQ(DatePatterns::tokens(QStringLiteral("d.MM.yyyy")),
              (QStringList{"d1", "=.", "M2", "=.", "y4"}));
    EXPECT_EQ(DatePatterns::tokens(QStringLiteral("h:mm:ss AP t")),
              (QStringList{"h1", "=:", "m2", "=:", "s2", "= ", "A", "= "}));
    EXPECT_EQ(DatePatterns::tokens(QStringLiteral("d MMM 'de' yy")),
              (QStringList{"d1", "= ", "M3", "= de ", "y2"}));
}

TEST(DatePatterns, ReadsWithOneOrTwoDigitsAndBothYearLengths)
{
    LocaleScope locale(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QList<DatePatterns::DateRead> reads = DatePatterns::dateReads();
    ASSERT_EQ(reads.size(), 3);
    EXPECT_EQ(reads[0].tokens, (QStringList{"d1", "=.", "M1", "=.", "y4"}));
    EXPECT_FALSE(reads[0].twoDigitYear);
    EXPECT_EQ(reads[1].tokens, (QStringList{"d1", "=.", "M1", "=.", "y2"}));
    EXPECT_TRUE(reads[1].twoDigitYear);
    EXPECT_EQ(DatePatterns::timeDisplay(), (QStringList{"H2", "=:", "m2", "=:", "s2"}));
}

TEST(DatePatterns, WritesTheYearInFullAndTheTimeWithoutItsZone)
{
    LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DatePatterns::dateDisplay(), (QStringList{"M1", "=/", "d1", "=/", "y4"}));
    EXPECT_EQ(DatePatterns::timeDisplay(), (QStringList{"h1", "=:", "m2", "=:", "s2", "= ", "A"}));
}

} // namespace
