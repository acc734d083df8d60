#include "base/ChartWords.h"

#include "support/TranslationScope.h"

#include <gtest/gtest.h>

namespace {

// The English words of the chart, as the translation file gives them.
QList<TranslationScope::Entry> english()
{
    return {{"ChartWords", QStringLiteral("EVET"), QStringLiteral("YES")},
            {"ChartWords", QStringLiteral("HAYIR"), QStringLiteral("NO")},
            {"ChartWords", QStringLiteral("başla"), QStringLiteral("start")},
            {"ChartWords", QStringLiteral("dur"), QStringLiteral("stop")},
            {"ChartWords", QStringLiteral("giriş"), QStringLiteral("input")},
            {"ChartWords", QStringLiteral("çıkış"), QStringLiteral("output")},
            {"ChartWords", QStringLiteral("pencere"), QStringLiteral("window")}};
}

struct WordCase {
    const char *text;
    const char *turkish; // in the Turkish interface
    const char *english; // in the English interface
};

TEST(ChartWordsTest, StoredWordsAreShownInTheInterfacesLanguage)
{
    const WordCase cases[] = {
        {"EVET", "EVET", "YES"},       {"evet", "evet", "YES"},       {"hayır", "hayır", "NO"},
        {"HAYIR", "HAYIR", "NO"},      {"başla", "başla", "start"},   {"dur", "dur", "stop"},
        {"giriş", "giriş", "input"},   {"çıkış", "çıkış", "output"},  {"pencere", "pencere", "window"},
        // Block captions are the derived words exactly; anything else is the user's own text.
        {"Dur", "Dur", "Dur"},         {"x = 1", "x = 1", "x = 1"},   {"sonra", "sonra", "sonra"},
        {"YES", "YES", "YES"},         {"", "", ""},
    };
    for (const WordCase &c : cases)
        EXPECT_EQ(ChartWords::shown(QString::fromUtf8(c.text)), QString::fromUtf8(c.turkish)) << c.text;
    const TranslationScope scope(english());
    for (const WordCase &c : cases)
        EXPECT_EQ(ChartWords::shown(QString::fromUtf8(c.text)), QString::fromUtf8(c.english)) << c.text;
}

TEST(ChartWordsTest, ABranchTypedInTheInterfacesLanguageIsStoredInTurkish)
{
    const WordCase cases[] = {
        {"YES", "YES", "EVET"},        {"yes", "yes", "EVET"},        {"No", "No", "HAYIR"},
        // The Turkish words and other texts are stored as typed in either interface.
        {"evet", "evet", "evet"},      {"HAYIR", "HAYIR", "HAYIR"},   {"start", "start", "start"},
        {"yes!", "yes!", "yes!"},      {"", "", ""},
    };
    for (const WordCase &c : cases)
        EXPECT_EQ(ChartWords::stored(QString::fromUtf8(c.text)), QString::fromUtf8(c.turkish)) << c.text;
    const TranslationScope scope(english());
    for (const WordCase &c : cases)
        EXPECT_EQ(ChartWords::stored(QString::fromUtf8(c.text)), QString::fromUtf8(c.english)) << c.text;
}

} // namespace
