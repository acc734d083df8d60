// Recovery copies from the commands' side: written while changes are unsaved, removed by a
// save or a normal close, offered at the next start after a crash.

#include "ProjectCommandsFixture.h"

namespace {

class RecoveryCommandsTest : public ProjectCommandsFixture {
protected:
    RecoveryStore &store() { return commands->recovery().store(); }

    // What a crash leaves: a copy of the changed chart that no running program holds.
    void crashWithChanges(const QString &originalPath)
    {
        RecoveryStore crashed(places().recoveryFolder);
        ASSERT_TRUE(crashed.write(project.theBlockCollection(), project.theLineCollection(), originalPath));
    }
};

} // namespace

TEST_F(RecoveryCommandsTest, UnsavedChangesKeepACopyUntilTheyAreSaved)
{
    const QString mine = openChanged();
    EXPECT_TRUE(commands->recovery().timerActive());
    commands->recovery().writeRecoveryCopy();
    ASSERT_TRUE(store().hasCopy());

    EXPECT_TRUE(commands->save());
    EXPECT_FALSE(store().hasCopy());
    EXPECT_FALSE(commands->recovery().timerActive());
    commands->recovery().writeRecoveryCopy(); // nothing unsaved: nothing written
    EXPECT_FALSE(store().hasCopy());
    (void)mine;
}

TEST_F(RecoveryCommandsTest, ANormalCloseOrDiscardingTheChangesRemovesTheCopy)
{
    openChanged();
    commands->recovery().writeRecoveryCopy();
    commands->recovery().closeAccepted();
    EXPECT_FALSE(store().hasCopy());

    change();
    commands->recovery().writeRecoveryCopy();
    dialogs->saveAnswers = {SaveQuestion::Answer::No};
    commands->openExample(6); // the changes are let go: so is their copy
    EXPECT_FALSE(store().hasCopy());
}

TEST_F(RecoveryCommandsTest, NoCopyIsWrittenWhileAProgramRuns)
{
    openChanged();
    runtime.run.setDelay(RunControl::DelayMaximum);
    project.setProjectModified(true);
    dialogs->saveAnswers = {SaveQuestion::Answer::No};
    ASSERT_TRUE(project.projectModified());
    runtime.run.cmdRun_ClickP();
    ASSERT_TRUE(runtime.run.runInProgress());
    commands->recovery().writeRecoveryCopy();
    EXPECT_FALSE(store().hasCopy());
}

TEST_F(RecoveryCommandsTest, TheCopyOfACrashIsRestoredUnderItsOwnNameStillUnsaved)
{
    const QString mine = openChanged();
    crashWithChanges(mine);
    project.setProjectModified(false);
    commands->newProject();

    dialogs->restoreAnswer = true;
    commands->recovery().offerRecovery();
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Kurtarma")});
    EXPECT_TRUE(dialogs->lastQuestion.startsWith(QStringLiteral("Kaydedilmemiş değişiklikler bulundu!")));
    EXPECT_TRUE(dialogs->lastQuestion.contains(QStringLiteral(" mine.vnp projesinde ")));
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_EQ(project.projectFolder(), dir.path() + u'/');
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - mine.vnp"));
    EXPECT_TRUE(project.projectModified());
    EXPECT_FLOAT_EQ((*project.theBlockCollection().begin())->shapeLeft(), 300);
    EXPECT_EQ(undoStack.count(), 0);
    EXPECT_FALSE(undoStack.isClean());

    // The copy is this program's now: not offered again, and Save writes the original file.
    EXPECT_TRUE(store().hasCopy());
    EXPECT_TRUE(RecoveryStore(places().recoveryFolder).claimOrphans().isEmpty());
    EXPECT_TRUE(commands->save());
    EXPECT_FALSE(store().hasCopy());
    // Only this program's lock stays while it runs.
    const QStringList left = QDir(places().recoveryFolder).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 1);
    EXPECT_TRUE(left.value(0).endsWith(QStringLiteral(".lock")));
}

TEST_F(RecoveryCommandsTest, AnUntitledCopyComesBackUntitled)
{
    commands->newProject();
    change();
    crashWithChanges(QString());
    project.setProjectModified(false);
    commands->openExample(6);

    dialogs->restoreAnswer = true;
    commands->recovery().offerRecovery();
    EXPECT_TRUE(dialogs->lastQuestion.contains(QStringLiteral(" Adsız projesinde ")));
    EXPECT_TRUE(project.projectPath().isEmpty());
    EXPECT_EQ(project.projectFolder(), programFolder());
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01"));
    EXPECT_TRUE(project.projectModified());
}

TEST_F(RecoveryCommandsTest, DecliningRemovesTheCopyAndChangesNothing)
{
    const QString mine = openChanged();
    crashWithChanges(mine);
    project.setProjectModified(false);
    commands->openExample(6);

    dialogs->restoreAnswer = false;
    commands->recovery().offerRecovery();
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Kurtarma")});
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
    EXPECT_FALSE(project.projectModified());
    dialogs->shown.clear();
    commands->recovery().offerRecovery();
    EXPECT_TRUE(dialogs->shown.isEmpty());
}

TEST_F(RecoveryCommandsTest, ACopyThatCannotBeWrittenIsReportedOnce)
{
    ASSERT_TRUE(QDir().mkpath(temp(QStringLiteral("state"))));
    QFile blocker(places().recoveryFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    openChanged();
    commands->recovery().writeRecoveryCopy();
    commands->recovery().writeRecoveryCopy();
    EXPECT_EQ(log.text().count(QStringLiteral("Kurtarma kopyası yazılamadı: ")), 1);
}
