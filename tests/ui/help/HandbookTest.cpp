#include "ui/help/Handbook.h"
#include "ui/help/HandbookText.h"
#include "ui/help/MessageIndex.h"

#include "ui/help/HandbookPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    using Language = InterfaceLanguage::Choice;
    const MessageIndex turkish = MessageIndex::load(handbookSource(), Language::Turkish);
    const MessageIndex english = MessageIndex::load(handbookSource(QStringLiteral("en")), Language::English);
    ASSERT_FALSE(turkish.entries().isEmpty());
    ASSERT_FALSE(english.entries().isEmpty());
    // The English table lists the same Turkish lines under headings of its own.
    const struct {
        const char *line;
        const char *turkish;
        const char *english;
    } cases[] = {
        {"Değişken: toplam - tanımlanmamış!", "degisken-tanimlanmamis", "variable-not-defined"},
        {"Nesne: id4 - BAĞLI DEĞİL!", "bagli-degil", "not-connected"},
        {"Nesne: id7 - EVET ile bağlı değil.", "evet-ya-da-hayir-ile-bagli-degil", "not-connected-with-evet-or-hayir"},
        {"Nesne: START - bulunamadı!", "bulunamadi", "not-found"},
        {"timerRunner_Timer(). YAKALANAN HATA: ", "yakalanan-hata", "caught-error"},
        {"Kaynak: SQR", "yakalanan-hata", "caught-error"},
        {"Açıklama: Tür uyuşmazlığı", "tur-uyusmazligi", "type-mismatch"},
        {"Açıklama: Sıfıra bölme", "sifira-bolme", "division-by-zero"},
        {"YIĞIN TAŞMASI!", "yigin-tasmasi", "stack-overflow"},
        {"Fonksiyon yüklenemiyor: kare_al", "fonksiyon-yuklenemiyor", "cannot-load-the-function"},
        {"Yığın dönüş için yanlış IP bilgisi içeriyor: id9", "cagiran-fonksiyona-donulemiyor",
         "cannot-return-to-the-calling-function"},
        {"okumaya müsait değil!", "islem-yapilamiyor", "cannot-perform-the-operation"},
        {"Nesne: id2 - pencereler yalnızca masaüstü programında açılabilir.", "pencereler-yalnizca-masaustunde",
         "windows-only-on-the-desktop"},
        {"  Bu Bir Flow Chart Dosyası Değil!  ", "flow-chart-dosyasi-degil", "not-a-flow-chart-file"},
        {"Bugün hava güzel", "", ""},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(turkish.anchorFor(QString::fromUtf8(c.line)), QString::fromUtf8(c.turkish)) << c.line;
        EXPECT_EQ(english.anchorFor(QString::fromUtf8(c.line)), QString::fromUtf8(c.english)) << c.line;
    }
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

    const MessageIndex english = MessageIndex::parse(QStringLiteral(
        "# Messages\n\n### First\n\n- Message: `A … B`\n- Note: `C`\n"));
    ASSERT_EQ(english.entries().size(), 1);
    EXPECT_EQ(english.entries()[0].patterns, QStringList{QStringLiteral("A … B")}) << "only the two markers count";
}

namespace {

// Where a link of a chapter leads that is neither a heading of the handbook nor a chart picture;
// empty when it leads somewhere real. Web addresses are left to the browser.
QString brokenLink(const Handbook &handbook, const QString &fromChapter, const QString &target)
{
    if (target.contains(QStringLiteral("://")))
        return QString();
    if (target.startsWith(QStringLiteral("../charts/")) && target.endsWith(QStringLiteral(".png"))) {
        const QString chart = QFileInfo(target).completeBaseName() + QStringLiteral(".vnp");
        return QFile::exists(handbookSource(QStringLiteral("charts")) + u'/' + chart) ? QString() : target;
    }
    const QString fileName = target.section(u'#', 0, 0);
    const QString anchor = target.section(u'#', 1);
    const HandbookChapter *chapter = handbook.chapter(fileName.isEmpty() ? fromChapter : fileName);
    if (!chapter)
        return target;
    if (anchor.isEmpty())
        return QString();
    for (const HandbookSection &section : chapter->sections) {
        if (section.anchor == anchor)
            return QString();
    }
    return target;
}

} // namespace

TEST(Handbook, EveryLinkLeadsToAHeadingOrAChartPicture)
{
    static const QRegularExpression link(QStringLiteral("\\]\\(([^)\\s]+)\\)"));
    for (const char *language : {"tr", "en"}) {
        SCOPED_TRACE(language);
        const QString folder = handbookSource(QLatin1String(language));
        const Handbook handbook = Handbook::load(folder);
        ASSERT_FALSE(handbook.isEmpty());
        int links = 0;
        for (const HandbookChapter &chapter : handbook.chapters()) {
            QFile file(handbook.pathOf(chapter.fileName));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString markdown = QString::fromUtf8(file.readAll());
            for (auto it = link.globalMatch(markdown); it.hasNext(); ++links) {
                const QString target = it.next().captured(1);
                EXPECT_EQ(brokenLink(handbook, chapter.fileName, target).toStdString(), "")
                    << chapter.fileName.toStdString();
            }
        }
        EXPECT_GE(links, 40) << "the scan found too few links";
    }
}

TEST(Handbook, TheEnglishChaptersFollowTheTurkishOnesOneForOne)
{
    const auto numbers = [](const char *language) {
        const Handbook handbook = Handbook::load(handbookSource(QLatin1String(language)));
        QStringList found;
        for (const HandbookChapter &chapter : handbook.chapters())
            found.append(chapter.fileName.section(u'-', 0, 0));
        return found;
    };
    EXPECT_EQ(numbers("en").join(u' ').toStdString(), numbers("tr").join(u' ').toStdString());
    EXPECT_GE(numbers("tr").size(), 12);
}
