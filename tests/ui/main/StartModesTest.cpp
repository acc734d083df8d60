#include "ui/support/MainWindowFixture.h"

#include "ui/editor/DrawingSurface.h"
#include "ui/runwin/frmScreen.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>

class StartModesTest : public MainWindowFixture {};

TEST_F(StartModesTest, EmptyEditorStartsWithTheBaseTitleAndDisabledCommands)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel 3.01[*]")); // "[*]": where unsaved changes are marked
    EXPECT_TRUE(window->project().trackCurrentBlock());
    EXPECT_TRUE(controls().chk_LOAD_GUI->isChecked());
    EXPECT_TRUE(controls().chk_LOAD_GUI->isHidden());
    EXPECT_EQ(controls().lblDelay->text(), QStringLiteral("gecikme:100"));
    EXPECT_EQ(controls().scroll_ExecutionDelay->maximum(), 2001);
    EXPECT_EQ(window->lblID()->text(), QStringLiteral("id#"));

    const struct {
        const char *name;
        const char *caption;
        bool enabled;
    } entries[] = {
        {"mnuNew", "Yeni", true}, {"mnuLoad", "Aç...", true}, {"mnuMakeExecutable", "EXE Yap...", true},
        {"mnuSave", "Kaydet", true}, {"mnuSaveAs", "Farklı Kaydet...", true},
        {"mnuChangeBackColor", "Zemin Rengini Değiştir", true}, {"mnuChangeSize", "Boyutu Değiştir", true},
        {"mnuAddCaptionToLine", "Çizgiye Açıklama Ekle", true}, {"mnuDeleteLine", "Çizgi Sil", true},
        {"mnuDeleteBlock", "Nesne Sil", true},
    };
    for (const auto &entry : entries) {
        QAction *action = window->action(QString::fromLatin1(entry.name));
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(entry.caption));
        EXPECT_EQ(action->isEnabled(), entry.enabled) << entry.name;
    }
    EXPECT_TRUE(window->action(QStringLiteral("mnuExit"))->isEnabled());
    QMenu *examples = window->menu(QStringLiteral("mnuExamplesMenu"));
    ASSERT_NE(examples, nullptr);
    EXPECT_EQ(examples->actions().size(), 15);
    EXPECT_FALSE(examples->actions().last()->isVisible());
}

TEST_F(StartModesTest, EditorWithFileShowsTheNameInTheTitle)
{
    window->openStartFile(example(QStringLiteral("test00_hello.vnp")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel 3.01 - test00_hello.vnp[*]"));
    EXPECT_EQ(window->project().context().selectedIndex(), -1);
    EXPECT_FALSE(window->surface()->selectorVisible());
}

TEST_F(StartModesTest, StartUpFlowRunsWithoutTheEditorAndLeavesTheConsoleOpen)
{
    window->runStartUpFlow(example(QStringLiteral("test00_hello.vnp")));
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->project().trackCurrentBlock());
    EXPECT_EQ(controls().scroll_ExecutionDelay->value(), 0);
    EXPECT_EQ(window->runtime().console.line(0), QStringLiteral("Merhaba Dünya"));
    // The console was shown by the output, so the program waits for it to be closed.
    EXPECT_TRUE(window->screen()->isVisible());
    EXPECT_TRUE(window->runtime().flags.runFinished);
}

TEST_F(StartModesTest, KeysTypedIntoTheMainWindowReachTheConsole)
{
    ConsoleScreen &console = window->runtime().console;
    bool typed = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClicks(window.get(), QStringLiteral("a"));
        QKeyEvent turkishLetter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ğ"));
        QCoreApplication::sendEvent(window.get(), &turkishLetter);
        QTest::keyClick(window.get(), Qt::Key_Backspace);
        QTest::keyClick(window.get(), Qt::Key_Return);
        typed = true;
    });
    EXPECT_EQ(console.inputLine(QStringLiteral("Ad")), QStringLiteral("a"));
    EXPECT_TRUE(typed);
    EXPECT_EQ(console.line(0), QStringLiteral("Ad >a"));
    QTimer::singleShot(0, [&] {
        QKeyEvent turkishLetter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ğ"));
        QCoreApplication::sendEvent(window.get(), &turkishLetter);
        QTest::keyClick(window.get(), Qt::Key_Enter);
    });
    EXPECT_EQ(console.inputLine(QStringLiteral("Ad")), QStringLiteral("ğ"));
}
