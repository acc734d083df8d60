#include "base/MessageLog.h"
#include "interp/AppFlags.h"
#include "model/ModelContext.h"
#include "model/cBlock.h"
#include "ui/dialogs/frmDlgIf.h"
#include "ui/dialogs/frmLists.h"
#include "ui/dialogs/frmSize.h"
#include "ui/help/HandbookBrowser.h"
#include "ui/help/HandbookHelp.h"
#include "ui/help/HelpWindow.h"
#include "ui/runwin/frm_mBox.h"

#include "ui/help/HandbookPaths.h"
#include "support/TranslationScope.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mainWindow.setObjectName(QStringLiteral("frmMain"));
        help = new HandbookHelp(&entry, [this] { return selected; }, &mainWindow);
        help->setFolder(handbookSource(), InterfaceLanguage::Choice::Turkish);
    }

    QString shownTopic() const { return help->window() ? help->window()->currentTopic() : QString(); }

    QStringList visibleItems() const
    {
        QStringList titles;
        for (QTreeWidgetItemIterator it(help->window()->contents(), QTreeWidgetItemIterator::NotHidden); *it; ++it)
            titles.append((*it)->text(0));
        return titles;
    }

    QWidget mainWindow;
    QAction entry{&mainWindow};
    HandbookHelp *help = nullptr;
    ModelContext context;
    const cBlock *selected = nullptr;
};

} // namespace

TEST_F(HelpWindowTest, TheMenuEntryOpensTheSelectedBlocksKindOrTheFirstChapter)
{
    entry.trigger();
    ASSERT_NE(help->window(), nullptr);
    EXPECT_TRUE(help->window()->isVisible());
    EXPECT_EQ(shownTopic(), QStringLiteral("01-baslarken.md"));
    EXPECT_EQ(entry.shortcut(), QKeySequence(QKeySequence::HelpContents));

    cBlock block(&context);
    block.setZAction(QStringLiteral("FUNCTION"));
    block.setZParam1(QStringLiteral("Sqr"));
    selected = &block;
    entry.trigger();
    EXPECT_EQ(shownTopic(), QStringLiteral("05-fonksiyonlar.md#sqr"));
    EXPECT_TRUE(help->window()->browser()->textCursor().block().text().startsWith(QStringLiteral("SQR")));
}

TEST_F(HelpWindowTest, ContentsListEveryChapterAndSearchNarrowsThem)
{
    help->openTopic(QStringLiteral("01-baslarken.md"));
    HelpWindow *window = help->window();
    EXPECT_EQ(window->contents()->topLevelItemCount(), window->handbook().chapters().size());
    EXPECT_GE(window->contents()->topLevelItemCount(), 9);

    window->searchBox()->setText(QStringLiteral("yigin tasmasi"));
    const QStringList found = visibleItems();
    EXPECT_TRUE(found.contains(QStringLiteral("Yığın taşması")));
    EXPECT_FALSE(found.contains(QStringLiteral("Başlarken")));
    QTest::keyClick(window->searchBox(), Qt::Key_Return);
    EXPECT_EQ(shownTopic().section(u'#', 0, 0), QStringLiteral("06-cagrilar.md")) << "the first hit in order";
    EXPECT_FALSE(window->browser()->extraSelections().isEmpty()) << "the words are marked";

    window->searchBox()->clear();
    EXPECT_GT(visibleItems().size(), found.size());
    EXPECT_TRUE(window->browser()->extraSelections().isEmpty());
}

TEST_F(HelpWindowTest, LinksBetweenChaptersAndTheHistoryWork)
{
    help->openTopic(QStringLiteral("03-islemler.md#karsilastirmalar"));
    HelpWindow *window = help->window();
    EXPECT_EQ(shownTopic(), QStringLiteral("03-islemler.md#karsilastirmalar"));
    window->browser()->setSource(window->browser()->source().resolved(QUrl(QStringLiteral("02-bloklar.md#baglanti-noktasi"))));
    EXPECT_EQ(shownTopic(), QStringLiteral("02-bloklar.md#baglanti-noktasi"));
    EXPECT_EQ(window->contents()->currentItem()->text(0), QStringLiteral("Bağlantı noktası")) << "the tree follows";
    window->browser()->backward();
    EXPECT_EQ(shownTopic(), QStringLiteral("03-islemler.md#karsilastirmalar"));
    help->openTopic(QStringLiteral("yok.md#hicbir-yer"));
    EXPECT_EQ(shownTopic(), QStringLiteral("01-baslarken.md")) << "an unknown chapter falls back to the first";
}

TEST_F(HelpWindowTest, F1InADialogOpensItsChapter)
{
    QDialog dialog(&mainWindow);
    dialog.setObjectName(QStringLiteral("frmDlgIf"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(shownTopic(), QStringLiteral("02-bloklar.md#sartli-dallanma-blogu"));

    // A modal dialog blocks every other window: its help opens in a window of its own.
    QDialog modal(&mainWindow);
    modal.setObjectName(QStringLiteral("frmDlgFunction"));
    modal.setModal(true);
    modal.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &modal);
    QTest::keyClick(&modal, Qt::Key_F1);
    auto *beside = modal.findChild<HelpWindow *>();
    ASSERT_NE(beside, nullptr);
    EXPECT_TRUE(beside->isVisible());
    EXPECT_EQ(beside->currentTopic(), QStringLiteral("02-bloklar.md#fonksiyon-blogu"));
    EXPECT_EQ(shownTopic(), QStringLiteral("02-bloklar.md#sartli-dallanma-blogu")) << "the shared window stays";
}

TEST_F(HelpWindowTest, F1InTheProgramsModalDialogsFindsThemByTheirClass)
{
    frmLists lists;
    frmDlgIf condition(lists, &mainWindow);
    frmSize size(&mainWindow);
    const struct {
        QDialog *dialog;
        const char *topic;
    } cases[] = {
        {&condition, "02-bloklar.md#sartli-dallanma-blogu"},
        {&size, "02-bloklar.md#renk-ve-boyut"},
    };
    for (const auto &c : cases) {
        QString shown;
        // The dialog runs its own loop, as when the program opens it; F1 comes from inside.
        QTimer::singleShot(0, c.dialog, [&shown, &c] {
            QTest::keyClick(c.dialog, Qt::Key_F1);
            if (auto *beside = c.dialog->findChild<HelpWindow *>())
                shown = beside->currentTopic();
            c.dialog->reject();
        });
        c.dialog->exec();
        EXPECT_EQ(shown, QLatin1String(c.topic)) << c.dialog->metaObject()->className();
    }
}

TEST_F(HelpWindowTest, MessageWindowLinesLeadToTheirEntries)
{
    MessageLog log;
    AppFlags flags;
    frm_mBox messages(log, flags, [] {}, &mainWindow);
    log.mBox(QStringLiteral("Nesne: id3 - BAĞLI DEĞİL!"));
    log.mBox(QStringLiteral("Değişken: toplam - tanımlanmamış!"));
    messages.showLog();
    messages.refresh();
    auto *text = messages.findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"));
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->toolTip().isEmpty());

    const QTextBlock second = text->document()->findBlockByNumber(1);
    QTextCursor cursor(second);
    const QPoint point = text->cursorRect(cursor).center();
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(shownTopic(), QStringLiteral("09-iletiler.md#degisken-tanimlanmamis"));

    text->setTextCursor(QTextCursor(text->document()->findBlockByNumber(0)));
    QTest::keyClick(text, Qt::Key_F1);
    EXPECT_EQ(shownTopic(), QStringLiteral("09-iletiler.md#bagli-degil"));
    EXPECT_EQ(help->messageTopic(QStringLiteral("başka bir şey")), QStringLiteral("09-iletiler.md"));
}

// The English window shows the messages in English; the handbook's table still lists them by their
// Turkish words, which each line keeps, also in a message of several lines and in the error's block line.
TEST_F(HelpWindowTest, EnglishMessageLinesLeadToTheirEntries)
{
    const TranslationScope english({
        {"Message", QStringLiteral("Değişken: %1 - tanımlanmamış!"), QStringLiteral("Variable: %1 - not defined!")},
        {"Message", QStringLiteral("Bu işlem pencerenin\r\naçık olmasını gerektiriyor!"),
         QStringLiteral("This operation needs the window\r\nto be open!")},
        {"Message", QStringLiteral("Blok %1: %2"), QStringLiteral("Block %1: %2")},
        {"ChartWords", QStringLiteral("başla"), QStringLiteral("start")},
    });
    MessageLog log;
    AppFlags flags;
    frm_mBox messages(log, flags, [] {}, &mainWindow);
    log.mBox(MessageText::of("Değişken: %1 - tanımlanmamış!", {QStringLiteral("toplam")}));
    log.mBox(MessageText::of("Bu işlem pencerenin\r\naçık olmasını gerektiriyor!"));
    log.mBox(MessageText::of("Blok %1: %2", {QStringLiteral("id1"), MessageText::chartWord(QStringLiteral("başla"))}));
    messages.showLog();
    messages.refresh();
    EXPECT_EQ(messages.text(), QStringLiteral("Variable: toplam - not defined!\nThis operation needs the window\n"
                                              "to be open!\nBlock id1: start\n"));
    EXPECT_EQ(log.text(), QStringLiteral("Değişken: toplam - tanımlanmamış!\r\nBu işlem pencerenin\r\n"
                                         "açık olmasını gerektiriyor!\r\nBlok id1: başla\r\n"));

    auto *text = messages.findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"));
    ASSERT_NE(text, nullptr);
    const struct {
        int line;
        const char *topic;
    } cases[] = {
        {0, "09-iletiler.md#degisken-tanimlanmamis"},
        {1, "09-iletiler.md#pencere-acik-degil"},
        {2, "09-iletiler.md#pencere-acik-degil"},
        {3, "09-iletiler.md#hatanin-oldugu-blok"},
    };
    for (const auto &c : cases) {
        text->setTextCursor(QTextCursor(text->document()->findBlockByNumber(c.line)));
        QTest::keyClick(text, Qt::Key_F1);
        EXPECT_EQ(shownTopic(), QString::fromUtf8(c.topic)) << c.line;
    }
}

TEST_F(HelpWindowTest, TheEnglishHandbookAnswersWithItsOwnChapters)
{
    help->setFolder(handbookSource(QStringLiteral("en")), InterfaceLanguage::Choice::English);
    entry.trigger();
    ASSERT_NE(help->window(), nullptr);
    EXPECT_EQ(shownTopic(), QStringLiteral("01-getting-started.md"));
    help->openTopic(QStringLiteral("09-messages.md"));
    help->window()->findChild<QToolButton *>(QStringLiteral("cmdContents"))->click();
    EXPECT_EQ(shownTopic(), QStringLiteral("01-getting-started.md")) << "the contents button opens this handbook";

    QDialog dialog(&mainWindow);
    dialog.setObjectName(QStringLiteral("frmDlgIf"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(shownTopic(), QStringLiteral("02-blocks.md#conditional-branch-block"));
    EXPECT_EQ(help->messageTopic(QStringLiteral("Nesne: id3 - BAĞLI DEĞİL!")),
              QStringLiteral("09-messages.md#not-connected"));
    EXPECT_EQ(help->messageTopic(QStringLiteral("başka bir şey")), QStringLiteral("09-messages.md"));
}

TEST_F(HelpWindowTest, AMissingHandbookIsSaidSo)
{
    help->setFolder(QStringLiteral("/nonexistent/handbook"), InterfaceLanguage::Choice::Turkish);
    entry.trigger();
    ASSERT_NE(help->window(), nullptr);
    EXPECT_TRUE(help->window()->browser()->toPlainText().contains(QStringLiteral("bulunamadı")));
    EXPECT_FALSE(help->window()->searchBox()->isEnabled());
}
