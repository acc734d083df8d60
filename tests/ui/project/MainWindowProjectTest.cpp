// The project commands in the main window: its file menu, its title, closing it and files
// dropped on it.

#include "ui/support/MainWindowFixture.h"
#include "ProjectCommandsFixture.h"

#include "model/EditOperations.h"
#include "ui/main/ProjectCommands.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

class MainWindowProjectTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        window->projectCommands()->setDialogs(std::move(scripted));
    }

    ScriptedDialogs *dialogs = nullptr;
};

} // namespace

TEST_F(MainWindowProjectTest, TheFileMenuHoldsTheCommandsInOrder)
{
    QStringList names;
    for (const QAction *action : window->menu(QStringLiteral("mnuFile"))->actions()) {
        if (action->menu())
            names << action->menu()->objectName();
        else if (!action->isSeparator())
            names << action->objectName();
    }
    EXPECT_EQ(names.mid(0, 4), (QStringList{QStringLiteral("mnuNew"), QStringLiteral("mnuLoad"),
                                            QStringLiteral("mnuRecentMenu"), QStringLiteral("mnuExamplesMenu")}));
    EXPECT_EQ(names.last(), QStringLiteral("mnuExit"));
    EXPECT_EQ(window->menu(QStringLiteral("mnuRecentMenu"))->title(), QStringLiteral("Son Açılanlar"));
}

TEST_F(MainWindowProjectTest, TheTitleFollowsTheProject)
{
    window->openStartFile(example(QStringLiteral("test05_if.vnp")));
    // "[*]" is where the desktop marks unsaved changes.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel 3.01 - test05_if.vnp[*]"));
    EXPECT_FALSE(window->isWindowModified());
    const cBlock *first = window->project().theBlockCollection().item(1);
    window->applyEdit(QStringLiteral("Taşı"), [first](EditOperations &operations) {
        return operations.moveBlock(first->theObjectShape(), first->shapeLeft() + 10, first->shapeTop());
    });
    EXPECT_TRUE(window->isWindowModified());
    QTemporaryDir dir;
    dialogs->saveAnswer = dir.filePath(QStringLiteral("yeni ad.vnp"));
    window->action(QStringLiteral("mnuSaveAs"))->trigger();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel 3.01 - yeni ad.vnp[*]"));
    EXPECT_FALSE(window->isWindowModified());
}

// A block deleted right after loading is a change the close question must not let slip.
TEST_F(MainWindowProjectTest, ClosingAfterADeletionAsksAndCancelKeepsTheWindow)
{
    QTemporaryDir dir;
    const QString mine = dir.filePath(QStringLiteral("mine.vnp"));
    ASSERT_TRUE(QFile::copy(example(QStringLiteral("test00_hello.vnp")), mine));
    window->openStartFile(mine);
    Project &project = window->project();
    EditOperations edits(project.context(), project.theBlockCollection(), project.theLineCollection(), &window->log());
    QList<qint16> element;
    for (const auto &block : project.theBlockCollection())
        element << block->theObjectShape();
    project.context().setSelection(element[1], element[0]);
    edits.deleteSelectedLines();

    window->show();
    dialogs->saveAnswers = {SaveQuestion::Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Kaydet?")});

    // (An accepted close would end the test program: the question is asked directly.)
    dialogs->saveAnswers = {SaveQuestion::Answer::Yes};
    EXPECT_TRUE(window->confirmDiscardChanges());
    EXPECT_FALSE(project.projectModified());
}

TEST_F(MainWindowProjectTest, AFileDroppedOnTheWindowOpens)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(example(QStringLiteral("test05_if.vnp")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    ASSERT_TRUE(waitFor([this] { return !window->project().projectPath().isEmpty(); }, 2000));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel 3.01 - test05_if.vnp[*]"));
}

TEST_F(MainWindowProjectTest, AProgramThatRunsLocksTheFileMenu)
{
    loadExample(QStringLiteral("test00_hello.vnp"));
    setDelay(RunControl::DelayMaximum);
    pressRun();
    EXPECT_FALSE(window->menu(QStringLiteral("mnuFile"))->isEnabled());
    window->action(QStringLiteral("mnuSave"))->trigger(); // its shortcut still reaches it
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Önce şu anki işlemi durdurun!")});
}
