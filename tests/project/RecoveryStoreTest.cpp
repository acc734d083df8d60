// Recovery copies: written through the project writer, found again only when their program
// is gone, offered newest first, and removed when they are dealt with.

#include "ProjectTestSupport.h"

#include "project/RecoveryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace ProjectTest;

namespace {

class RecoveryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(project.load_FILE(dataPath(QStringLiteral("hello.vnp")))); }

    // A store that writes a copy and then goes the way a crashed program does: without
    // discarding it (its lock goes with it, as a dead program's lock stops counting).
    void leaveCopy(const QString &originalPath)
    {
        RecoveryStore crashed(folder);
        ASSERT_TRUE(crashed.write(project.theBlockCollection(), project.theLineCollection(), originalPath));
    }

    QStringList filesInFolder() const { return QDir(folder).entryList(QDir::Files); }

    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("state/varnel/recovery"));
    MessageLog log;
    Project project{&log};
};

} // namespace

TEST_F(RecoveryStoreTest, TheCopyIsAProjectFileOfTheDrawing)
{
    RecoveryStore store(folder);
    EXPECT_FALSE(store.hasCopy());
    ASSERT_TRUE(store.write(project.theBlockCollection(), project.theLineCollection(), QStringLiteral("/x/y.vnp")));
    EXPECT_TRUE(store.hasCopy());
    EXPECT_EQ(readBytes(store.copyPath()), helloBytes());

    MessageLog otherLog;
    Project restored(&otherLog);
    EXPECT_TRUE(restored.load_FILE(store.copyPath()));
    EXPECT_EQ(restored.theBlockCollection().Count(), project.theBlockCollection().Count());

    store.discard();
    EXPECT_FALSE(store.hasCopy());
    EXPECT_FALSE(QFile::exists(store.copyPath()));
}

TEST_F(RecoveryStoreTest, ALiveProgramsCopyIsNeverOffered)
{
    RecoveryStore running(folder);
    ASSERT_TRUE(running.write(project.theBlockCollection(), project.theLineCollection(), QString()));
    RecoveryStore starting(folder);
    EXPECT_TRUE(starting.claimOrphans().isEmpty());
    EXPECT_TRUE(running.claimOrphans().isEmpty()); // nor its own
}

TEST_F(RecoveryStoreTest, ACrashedProgramsCopiesComeBackNewestFirstWithTheirNames)
{
    leaveCopy(QStringLiteral("/home/ali/eski.vnp"));
    QThread::msleep(20);
    leaveCopy(QString());

    RecoveryStore next(folder);
    const QList<RecoveryCopy> copies = next.claimOrphans();
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(copies[0].originalPath, QString());
    EXPECT_EQ(copies[1].originalPath, QStringLiteral("/home/ali/eski.vnp"));
    EXPECT_GE(copies[0].savedAt, copies[1].savedAt);
    EXPECT_EQ(readBytes(copies[0].chartPath), helloBytes());

    // While one program holds them, another starting meanwhile does not offer them too.
    RecoveryStore third(folder);
    EXPECT_TRUE(third.claimOrphans().isEmpty());

    next.remove(copies[0]);
    next.release(copies[1]);
    EXPECT_FALSE(QFile::exists(copies[0].chartPath));
    const QList<RecoveryCopy> left = third.claimOrphans();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].chartPath, copies[1].chartPath);
}

TEST_F(RecoveryStoreTest, RemovedCopiesLeaveNothingBehind)
{
    leaveCopy(QStringLiteral("/a.vnp"));
    {
        RecoveryStore next(folder);
        for (const RecoveryCopy &copy : next.claimOrphans())
            next.remove(copy);
    }
    EXPECT_TRUE(filesInFolder().isEmpty()) << filesInFolder().join(u' ').toStdString();
}

TEST_F(RecoveryStoreTest, ALockWithoutACopyIsCleanedUp)
{
    {
        RecoveryStore crashed(folder);
        ASSERT_TRUE(crashed.write(project.theBlockCollection(), project.theLineCollection(), QString()));
        crashed.discard();
    }
    // What a dead program leaves: its lock file naming a process that is gone.
    ASSERT_TRUE(writeBytes(folder + QStringLiteral("/session-1-1.lock"), "999999999\nvarnel\n\n"));
    RecoveryStore next(folder);
    EXPECT_TRUE(next.claimOrphans().isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty()) << filesInFolder().join(u' ').toStdString();
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeIsReported)
{
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("state")), "a file, not a folder"));
    RecoveryStore store(folder);
    EXPECT_FALSE(store.write(project.theBlockCollection(), project.theLineCollection(), QString()));
    EXPECT_FALSE(store.errorText().isEmpty());
    EXPECT_FALSE(store.hasCopy());
    EXPECT_TRUE(store.claimOrphans().isEmpty());
}

TEST_F(RecoveryStoreTest, TheQuestionNamesTheProjectAndTheTime)
{
    const RecoveryCopy copy{QString(), QStringLiteral("/home/ali/döngü.vnp"),
                            QDateTime(QDate(2026, 12, 7), QTime(11, 52))};
    EXPECT_EQ(RecoveryStore::questionText(copy),
              QStringLiteral("Kaydedilmemiş değişiklikler bulundu!\r\n\r\n"
                             "Varnel son kez beklenmedik biçimde kapandığında döngü.vnp projesinde "
                             "kaydedilmemiş değişiklikler vardı (kurtarma kopyası: 07.12.2026 11:52).\r\n\r\n"
                             "Bu değişiklikler geri yüklensin mi? \"Hayır\" derseniz kurtarma kopyası silinir."));
    EXPECT_TRUE(RecoveryStore::questionText(RecoveryCopy{}).contains(QStringLiteral(" Adsız projesinde ")));
}
