#include "base/MessageText.h"

#include "support/TranslationScope.h"

#include <gtest/gtest.h>

TEST(MessageTextTest, ValuesFillTheirPlacesOnceEach)
{
    const struct {
        const char *pattern;
        QStringList values;
        const char *filled;
    } cases[] = {
        {"Nesne: %1 - BAĞLI DEĞİL!", {"id3"}, "Nesne: id3 - BAĞLI DEĞİL!"},
        {"(%1: %2): %3", {"id4", "i = 5", "Taşma"}, "(id4: i = 5): Taşma"},
        {"%2 önce, %1 sonra", {"a", "b"}, "b önce, a sonra"},
        {"%1 ve %1", {"x"}, "x ve x"},
        {"%1", {"%2"}, "%2"},          // a value is never read as a place
        {"%1 %2", {"tek"}, "tek %2"},   // a place without a value stays
        {"%0 %% 100%", {"a"}, "%0 %% 100%"},
        {"%12", {"a", "b"}, "a2"},     // places go up to %9
        {"", {"a"}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MessageText::filled(QString::fromUtf8(c.pattern), c.values), QString::fromUtf8(c.filled))
            << c.pattern;
}

TEST(MessageTextTest, TurkishStaysWhateverTheInterfaceShows)
{
    const TranslationScope english({
        {"Message", QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: \r\nKaynak: %1\r\nAçıklama: %2"),
         QStringLiteral("timerRunner_Timer(). CAUGHT ERROR: \r\nSource: %1\r\nDescription: %2")},
        {"Message", QStringLiteral("Taşma"), QStringLiteral("Overflow")},
        {"Message", QStringLiteral("Nesne: %1 - %2 ile bağlı değil."), QStringLiteral("Object: %1 - not connected with %2.")},
        {"ChartWords", QStringLiteral("EVET"), QStringLiteral("YES")},
    });
    const MessageText caught = MessageText::of(
        "timerRunner_Timer(). YAKALANAN HATA: \r\nKaynak: %1\r\nAçıklama: %2",
        {QStringLiteral("SQR"), MessageText::of("Taşma")});
    EXPECT_EQ(caught.turkish(), QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: \r\nKaynak: SQR\r\nAçıklama: Taşma"));
    EXPECT_EQ(caught.translated(),
              QStringLiteral("timerRunner_Timer(). CAUGHT ERROR: \r\nSource: SQR\r\nDescription: Overflow"));

    const MessageText branch = MessageText::of("Nesne: %1 - %2 ile bağlı değil.",
                                               {QStringLiteral("id7"), MessageText::chartWord(QStringLiteral("EVET"))});
    EXPECT_EQ(branch.turkish(), QStringLiteral("Nesne: id7 - EVET ile bağlı değil."));
    EXPECT_EQ(branch.translated(), QStringLiteral("Object: id7 - not connected with YES."));

    const MessageText untranslated = MessageText::of("YIĞIN BOŞ!");
    EXPECT_EQ(untranslated.translated(), QStringLiteral("YIĞIN BOŞ!")) << "without an entry the Turkish shows";
    const MessageText plain(QStringLiteral("Taşma"));
    EXPECT_EQ(plain.translated(), QStringLiteral("Taşma")) << "a plain text is a value, never looked up";
    EXPECT_TRUE(MessageText().isEmpty());
    EXPECT_FALSE(untranslated.isEmpty());
}
