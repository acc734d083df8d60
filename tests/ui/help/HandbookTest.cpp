#include "ui/help/Handbook.h"
#include "ui/help/HandbookText.h"
#include "ui/help/MessageIndex.h"

#include "ui/help/HandbookPaths.h"

#include <gtest/gtest.h>

TEST(HandbookText, AnchorsFoldTurkishLettersAndJoinWordsWithDashes)
{
    const struct {
        const char *heading;
        const char *anchor;
    } cases[] = {
        {"İşlem bloğu", "islem-blogu"},
        {"Şartlı dallanma bloğu", "sartli-dallanma-blogu"},
        {"YIĞIN TAŞMASI!", "yigin-tasmasi"},
        {"  Çağıran fonksiyona   dönülemiyor ", "cagiran-fonksiyona-donulemiyor"},
        {"EVET ya da HAYIR ile bağlı değil", "evet-ya-da-hayir-ile-bagli-degil"},
        {"LEN", "len"},
        {"Java dışa aktarma", "java-disa-aktarma"},
        {"1'den 5'e", "1-den-5-e"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HandbookText::anchorOf(QString::fromUtf8(c.heading)), QString::fromUtf8(c.anchor)) << c.heading;
}

TEST(HandbookText, PlainWordsLoseMarkdownMarks)
{
    EXPECT_EQ(HandbookText::plain(QStringLiteral("**Tamam**'a `x = 1` [Bloklar](02-bloklar.md)")),
              QStringLiteral("Tamam 'a x = 1 Bloklar"));
    EXPECT_EQ(HandbookText::plain(QStringLiteral("![resim](../charts/a.png)")), QStringLiteral("resim"));
}

TEST(Handbook, ChaptersSplitAtHeadingsButNotInsideCodeBlocks)
{
    const HandbookChapter chapter = Handbook::parse(QStringLiteral("03-x.md"), QStringLiteral(
        "# Başlık\n\nGiriş metni.\n\n## Birinci\n\nBir **sözcük**.\n\n```ekran\n# yorum değil\n```\n\n"
        "### Alt bölüm\nSon.\n"));
    EXPECT_EQ(chapter.title, QStringLiteral("Başlık"));
    ASSERT_EQ(chapter.sections.size(), 3);
    EXPECT_EQ(chapter.sections[1].title, QStringLiteral("Birinci"));
    EXPECT_EQ(chapter.sections[1].level, 2);
    EXPECT_EQ(chapter.sections[2].anchor, QStringLiteral("alt-bolum"));
    EXPECT_EQ(chapter.sections[2].level, 3);
    EXPECT_TRUE(chapter.sections[1].text.contains(QStringLiteral("sözcük")));
    EXPECT_FALSE(chapter.sections[1].text.contains(QStringLiteral("yorum"))) << "code blocks are examples, not text";
}

TEST(Handbook, SearchIgnoresMarksAndCaseAndNeedsEveryWord)
{
    const Handbook handbook = Handbook::load(handbookSource());
    ASSERT_FALSE(handbook.isEmpty());
    const auto topics = [&handbook](const char *query) {
        QStringList found;
        for (const HandbookHit &hit : handbook.search(QString::fromUtf8(query)))
            found.append(hit.fileName + u'#' + hit.anchor);
        return found;
    };
    EXPECT_TRUE(topics("yigin tasmasi").contains(QStringLiteral("09-iletiler.md#yigin-tasmasi")));
    EXPECT_TRUE(topics("YIĞIN").contains(QStringLiteral("06-cagrilar.md#yigin-penceresi")));
    EXPECT_TRUE(topics("karekök").contains(QStringLiteral("05-fonksiyonlar.md#sqr")));
    EXPECT_FALSE(topics("karekök zürafa").contains(QStringLiteral("05-fonksiyonlar.md#sqr")));
    EXPECT_TRUE(topics("").isEmpty());
}

TEST(MessageIndex, LinesOfTheMessageWindowFindTheirEntries)
{
    const MessageIndex index = MessageIndex::load(handbookSource());
    ASSERT_FALSE(index.entries().isEmpty());
    const struct {
        const char *line;
        const char *anchor;
    } cases[] = {
        {"Değişken: toplam - tanımlanmamış!", "degisken-tanimlanmamis"},
        {"Nesne: id4 - BAĞLI DEĞİL!", "bagli-degil"},
        {"Nesne: id7 - EVET ile bağlı değil.", "evet-ya-da-hayir-ile-bagli-degil"},
        {"Nesne: START - bulunamadı!", "bulunamadi"},
        {"timerRunner_Timer(). YAKALANAN HATA: ", "yakalanan-hata"},
        {"Kaynak: SQR", "yakalanan-hata"},
        {"Açıklama: Tür uyuşmazlığı", "tur-uyusmazligi"},
        {"Açıklama: Sıfıra bölme", "sifira-bolme"},
        {"YIĞIN TAŞMASI!", "yigin-tasmasi"},
        {"Fonksiyon yüklenemiyor: kare_al", "fonksiyon-yuklenemiyor"},
        {"Yığın dönüş için yanlış IP bilgisi içeriyor: id9", "cagiran-fonksiyona-donulemiyor"},
        {"okumaya müsait değil!", "islem-yapilamiyor"},
        {"Nesne: id2 - pencereler yalnızca masaüstü programında açılabilir.", "pencereler-yalnizca-masaustunde"},
        {"  Bu Bir Flow Chart Dosyası Değil!  ", "flow-chart-dosyasi-degil"},
        {"Bugün hava güzel", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(index.anchorFor(QString::fromUtf8(c.line)), QString::fromUtf8(c.anchor)) << c.line;
}

TEST(MessageIndex, EveryEntryListsItsLines)
{
    const MessageIndex index = MessageIndex::parse(QStringLiteral(
        "# İletiler\n\n### Birinci\n\n- İleti: `A … B`\n- İleti: `C`\n\nMetin.\n\n### İkinci\n\n- İleti: `D`\n"));
    ASSERT_EQ(index.entries().size(), 2);
    EXPECT_EQ(index.entries()[0].patterns, QStringList({QStringLiteral("A … B"), QStringLiteral("C")}));
    EXPECT_EQ(index.anchorFor(QStringLiteral("A [x.y] B")), QStringLiteral("birinci")) << "the rest is taken literally";
    EXPECT_EQ(index.anchorFor(QStringLiteral("A B")), QString()) << "the blanks around … are part of the line";
    EXPECT_EQ(index.anchorFor(QStringLiteral("D")), QStringLiteral("ikinci"));
    EXPECT_EQ(index.anchorFor(QStringLiteral("CC")), QString());
}
