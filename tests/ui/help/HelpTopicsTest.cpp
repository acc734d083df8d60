#include "model/ModelContext.h"
#include "model/cBlock.h"
#include "ui/help/Handbook.h"
#include "ui/help/HelpTopics.h"

#include "ui/help/HandbookPaths.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <utility>

namespace {

// True when the topic names a chapter of the handbook and, after "#", one of its headings.
bool exists(const Handbook &handbook, const QString &topic)
{
    const QString fileName = topic.section(u'#', 0, 0);
    const QString anchor = topic.section(u'#', 1);
    const HandbookChapter *chapter = handbook.chapter(fileName);
    if (!chapter)
        return false;
    if (anchor.isEmpty())
        return true;
    for (const HandbookSection &section : chapter->sections) {
        if (section.anchor == anchor)
            return true;
    }
    return false;
}

using Language = HelpTopics::Language;

QString blockTopic(Language language, const char *action, const char *param1 = "")
{
    ModelContext context;
    cBlock block(&context);
    block.setZAction(QLatin1String(action));
    block.setZParam1(QLatin1String(param1));
    return HelpTopics::forBlock(block, language);
}

} // namespace

TEST(HelpTopics, BlocksLeadToTheEntryOfTheirKind)
{
    const struct {
        const char *action;
        const char *param1;
        const char *turkish;
        const char *english;
    } cases[] = {
        {"START", "", "02-bloklar.md#basla-blogu", "02-blocks.md#start-block"},
        {"STOP", "", "02-bloklar.md#dur-blogu", "02-blocks.md#stop-block"},
        {"INPUT", "", "02-bloklar.md#giris-blogu", "02-blocks.md#input-block"},
        {"OUTPUT", "", "02-bloklar.md#cikis-blogu", "02-blocks.md#output-block"},
        {"IF_GREATER_EQUAL", "", "02-bloklar.md#sartli-dallanma-blogu", "02-blocks.md#conditional-branch-block"},
        {"INTERSECTION", "", "02-bloklar.md#baglanti-noktasi", "02-blocks.md#connection-point"},
        {"WINDOW", "", "02-bloklar.md#pencere-blogu", "02-blocks.md#window-block"},
        {"DEFINITION", "", "03-islemler.md#atama", "03-operations.md#assignment"},
        {"MODULE", "", "03-islemler.md#aritmetik-islemler", "03-operations.md#arithmetic"},
        {"COMP", "", "03-islemler.md#metin-islemleri", "03-operations.md#string-operations"},
        {"FUNCTION", "kare_al", "02-bloklar.md#fonksiyon-blogu", "02-blocks.md#function-block"},
        {"FUNCTION", "len", "05-fonksiyonlar.md#len", "05-functions.md#len"},
        {"FUNCTION", " ExtractFileName ", "05-fonksiyonlar.md#extractfilename", "05-functions.md#extractfilename"},
        {"", "", "02-bloklar.md", "02-blocks.md"},
        {"if_less", "", "02-bloklar.md", "02-blocks.md"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(blockTopic(Language::Turkish, c.action, c.param1), QLatin1String(c.turkish)) << c.action << ' '
                                                                                              << c.param1;
        EXPECT_EQ(blockTopic(Language::English, c.action, c.param1), QLatin1String(c.english)) << c.action << ' '
                                                                                              << c.param1;
    }
}

TEST(HelpTopics, EveryTopicIsAHeadingOfTheHandbook)
{
    for (const auto &[language, code] : {std::pair(Language::Turkish, "tr"), std::pair(Language::English, "en")}) {
        SCOPED_TRACE(code);
        const Handbook handbook = Handbook::load(handbookSource(QLatin1String(code)));
        ASSERT_FALSE(handbook.isEmpty());
        QStringList topics = {HelpTopics::start(language)};
        for (const char *name : {"frmDlgGeneral", "frmDlgAction", "frmDlgInput", "frmDlgOutput", "frmDlgIf",
                                 "frmDlgFunction", "frmSize", "frmDlgWindow", "frmJavaTest", "frmWindow", "frmScreen",
                                 "frmVars", "frmStack", "frm_mBox", "frmMakeExecutable", "frmMain"}) {
            QWidget window;
            window.setObjectName(QLatin1String(name));
            topics.append(HelpTopics::forWindow(window, language));
            EXPECT_FALSE(topics.last().isEmpty()) << name;
        }
        for (const char *action : {"START", "STOP", "INPUT", "OUTPUT", "IF_EQUAL", "INTERSECTION", "FUNCTION",
                                   "WINDOW", "SQL", "DEFINITION", "ADD", "JOIN"})
            topics.append(blockTopic(language, action));
        for (const char *name : {"E", "pi", "Sqr", "FILEDIALOG", "WEEKDAY"})
            topics.append(HelpTopics::forBuiltIn(QLatin1String(name), language));
        for (const QString &topic : topics)
            EXPECT_TRUE(exists(handbook, topic)) << topic.toStdString();
        QWidget unknown;
        unknown.setObjectName(QStringLiteral("QColorDialog"));
        EXPECT_EQ(HelpTopics::forWindow(unknown, language), QString());
        EXPECT_EQ(HelpTopics::forBuiltIn(QStringLiteral("kare_al"), language), QString());
    }
}
