// F1 in the program as it is put together: the panels docked in the main window and the dialogs
// its menus open lead to their own place in the handbook, in either language, while F1 on the
// chart still explains the selected block.
#include "ui/support/MainWindowFixture.h"

#include "model/cBlock.h"
#include "project/Project.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/help/HandbookHelp.h"
#include "ui/help/HelpWindow.h"
#include "ui/main/MainActions.h"

#include "ui/help/HandbookPaths.h"

#include <QApplication>
#include <QDialog>
#include <QDockWidget>

namespace {

using Language = InterfaceLanguage::Choice;

class HelpInTheMainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        loadExample(QStringLiteral("faktoriyel.vnp"));
        window->resize(1000, 700);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        help = window->findChild<HandbookHelp *>();
        ASSERT_NE(help, nullptr);
    }

    void useHandbook(Language language)
    {
        help->setFolder(handbookSource(InterfaceLanguage::code(language)), language);
    }

    // Selects the first block of that kind; false when the chart has none.
    bool selectFirst(const char *action)
    {
        for (const auto &block : window->project().theBlockCollection()) {
            if (block->zAction() == QLatin1String(action)) {
                window->project().context().setSelection(block->theObjectShape(), -1);
                return true;
            }
        }
        return false;
    }

    QString shownTopic() const { return help->window() ? help->window()->currentTopic() : QString(); }

    // Pictures to look at, not to compare.
    static void shoot(QWidget *helpWindow, const QString &topic)
    {
        if (helpWindow && qEnvironmentVariableIsSet("VARNEL_SHOTS"))
            helpWindow->grab().save(QStringLiteral("/tmp/varnel-help-") + topic.section(u'#', 0, 0).section(u'.', 0, 0)
                                    + QStringLiteral(".png"));
    }

    // Shows the dock, puts the focus on the first part inside it that takes the focus, and
    // presses F1 there.
    QString pressF1In(const char *dockName)
    {
        auto *dock = window->findChild<QDockWidget *>(QLatin1String(dockName));
        if (!dock)
            return QStringLiteral("no dock ") + QLatin1String(dockName);
        dock->show();
        QWidget *inside = dock->widget();
        for (QWidget *child : dock->widget()->findChildren<QWidget *>()) {
            if (child->focusPolicy() != Qt::NoFocus && child->isEnabled()) {
                inside = child;
                break;
            }
        }
        inside->setFocus();
        QTest::keyClick(inside, Qt::Key_F1);
        shoot(help->window(), shownTopic());
        return shownTopic();
    }

    // Triggers the menu entry, presses F1 in the modal dialog it opens, and closes the dialog;
    // the handbook opens in a window of the dialog's own.
    QString pressF1InDialogOf(QAction *entry)
    {
        QString shown = QStringLiteral("no dialog");
        QTimer::singleShot(0, window.get(), [&shown] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
            auto *beside = dialog->findChild<HelpWindow *>();
            shown = beside ? beside->currentTopic() : QStringLiteral("no help window");
            shoot(beside, shown);
            if (auto *modal = qobject_cast<QDialog *>(dialog))
                modal->reject();
        });
        entry->trigger();
        return shown;
    }

    HandbookHelp *help = nullptr;
};

} // namespace

TEST_F(HelpInTheMainWindowTest, DockedPanelsOpenTheirOwnChapter)
{
    window->actions().file.codeView->trigger();
    window->showScreen(false);
    const struct {
        const char *dock;
        const char *turkish;
        const char *english;
    } cases[] = {
        {"exerciseDock", "11-alistirmalar.md#alistirma-acmak", "11-exercises.md#opening-an-exercise"},
        {"codeDock", "12-kod-aktarma.md#kod-gorunumu", "12-code-export.md#code-view"},
        {"dock_frmScreen", "08-calistirma.md#ekran-penceresi", "08-running.md#screen-window"},
    };
    for (const Language language : {Language::Turkish, Language::English}) {
        useHandbook(language);
        for (const auto &c : cases)
            EXPECT_EQ(pressF1In(c.dock).toStdString(), language == Language::English ? c.english : c.turkish)
                << c.dock;
    }
}

TEST_F(HelpInTheMainWindowTest, DialogsOfTheMenusOpenTheirOwnSection)
{
    ASSERT_TRUE(selectFirst("DEFINITION"));
    const MainActions &actions = window->actions();
    const struct {
        QAction *entry;
        const char *turkish;
        const char *english;
    } cases[] = {
        {actions.file.exerciseEditor, "11-alistirmalar.md#alistirma-duzenleyici", "11-exercises.md#exercise-editor"},
        {actions.file.exportCode, "12-kod-aktarma.md#kod-olarak-disa-aktar", "12-code-export.md#export-as-code"},
        {actions.run.breakpointCondition, "10-hata-ayiklama.md#kosullu-kesme-noktalari",
         "10-debugging.md#conditional-breakpoints"},
    };
    for (const Language language : {Language::Turkish, Language::English}) {
        useHandbook(language);
        for (const auto &c : cases)
            EXPECT_EQ(pressF1InDialogOf(c.entry).toStdString(), language == Language::English ? c.english : c.turkish)
                << c.entry->objectName().toStdString();
    }
}

// The line caption is asked only with two blocks selected.
TEST_F(HelpInTheMainWindowTest, TheLineCaptionDialogOpensTheLinesSection)
{
    const Block_Collection &blocks = window->project().theBlockCollection();
    ASSERT_GE(blocks.Count(), 2);
    window->project().context().setSelection(blocks.item(2)->theObjectShape(), blocks.item(1)->theObjectShape());
    for (const Language language : {Language::Turkish, Language::English}) {
        useHandbook(language);
        EXPECT_EQ(pressF1InDialogOf(window->actions().edit.captionToLine).toStdString(),
                  language == Language::English ? "02-blocks.md#lines" : "02-bloklar.md#cizgiler");
    }
}

TEST_F(HelpInTheMainWindowTest, F1OnTheChartStillExplainsTheSelectedBlock)
{
    useHandbook(Language::English);
    window->showScreen(false); // a docked panel beside the chart does not take the key
    ASSERT_TRUE(selectFirst("START"));
    window->surface()->setFocus();
    QTest::keyClick(window->surface(), Qt::Key_F1);
    EXPECT_EQ(shownTopic(), QStringLiteral("02-blocks.md#start-block"));

    QTest::keyClick(window->runControls()->cmdRun, Qt::Key_F1);
    EXPECT_EQ(shownTopic(), QStringLiteral("08-running.md")) << "the run controls have their chapter";
}
