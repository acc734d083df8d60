#include "model/ModelContext.h"
#include "model/cBlock.h"
#include "ui/help/Handbook.h"
#include "ui/help/HelpTopics.h"

#include "ui/help/HandbookPaths.h"

#include <QWidget>
#include <gtest/gtest.h>

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

QString blockTopic(const char *action, const char *param1 = "")
{
    ModelContext context;
    cBlock block(&context);
    block.setZAction(QLatin1String(action));
    block.setZParam1(QLatin1String(param1));
    return HelpTopics::forBlock(block);
}

} // namespace

TEST(HelpTopics, BlocksLeadToTheEntryOfTheirKind)
{
    const struct {
        const char *action;
        const char *param1;
        const char *topic;
    } cases[] = {
        {"START", "", "02-bloklar.md#basla-blogu"},
        {"STOP", "", "02-bloklar.md#dur-blogu"},
        {"INPUT", "", "02-bloklar.md#giris-blogu"},
        {"OUTPUT", "", "02-bloklar.md#cikis-blogu"},
        {"IF_GREATER_EQUAL", "", "02-bloklar.md#sartli-dallanma-blogu"},
        {"INTERSECTION", "", "02-bloklar.md#baglanti-noktasi"},
        {"WINDOW", "", "02-bloklar.md#pencere-blogu"},
        {"DEFINITION", "", "03-islemler.md#atama"},
        {"MODULE", "", "03-islemler.md#aritmetik-islemler"},
        {"COMP", "", "03-islemler.md#metin-islemleri"},
        {"FUNCTION", "kare_al", "02-bloklar.md#fonksiyon-blogu"},
        {"FUNCTION", "len", "05-fonksiyonlar.md#len"},
        {"FUNCTION", " ExtractFileName ", "05-fonksiyonlar.md#extractfilename"},
        {"", "", "02-bloklar.md"},
        {"if_less", "", "02-bloklar.md"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(blockTopic(c.action, c.param1), QLatin1String(c.topic)) << c.action << ' ' << c.param1;
}

TEST(HelpTopics, EveryTopicIsAHeadingOfTheHandbook)
{
    const Handbook handbook = Handbook::load(handbookSource());
    ASSERT_FALSE(handbook.isEmpty());
    QStringList topics = {HelpTopics::start()};
    for (const char *name : {"frmDlgGeneral", "frmDlgAction", "frmDlgInput", "frmDlgOutput", "frmDlgIf",
                             "frmDlgFunction", "frmSize", "frmDlgWindow", "frmJavaTest", "frmWindow", "frmScreen",
                             "frmVars", "frmStack", "frm_mBox", "frmMakeExecutable", "frmMain"}) {
        QWidget window;
        window.setObjectName(QLatin1String(name));
        topics.append(HelpTopics::forWindow(window));
        EXPECT_FALSE(topics.last().isEmpty()) << name;
    }
    for (const char *action : {"START", "STOP", "INPUT", "OUTPUT", "IF_EQUAL", "INTERSECTION", "FUNCTION", "WINDOW",
                               "SQL", "DEFINITION", "ADD", "JOIN"})
        topics.append(blockTopic(action));
    for (const char *name : {"E", "pi", "Sqr", "FILEDIALOG", "WEEKDAY"})
        topics.append(HelpTopics::forBuiltIn(QLatin1String(name)));
    for (const QString &topic : topics)
        EXPECT_TRUE(exists(handbook, topic)) << topic.toStdString();
    QWidget unknown;
    unknown.setObjectName(QStringLiteral("QColorDialog"));
    EXPECT_EQ(HelpTopics::forWindow(unknown), QString());
    EXPECT_EQ(HelpTopics::forBuiltIn(QStringLiteral("kare_al")), QString());
}
