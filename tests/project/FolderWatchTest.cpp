// The folder watch lets a chart switch skip the stat only for files whose every change the
// kernel reports in the watched folder; any other file is looked at every time.

#include "ProjectTestSupport.h"
#include "project/FolderWatch.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <unistd.h>

using namespace ProjectTest;

namespace {

class FolderWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(other.isValid());
        ASSERT_TRUE(writeBytes(file, helloBytes()));
    }

    QTemporaryDir dir;
    QTemporaryDir other;
    QString file = dir.filePath(QStringLiteral("a.vnp"));
    FolderWatch watch;
};

TEST_F(FolderWatchTest, EveryKindOfChangeInTheFolderMovesTheSerial)
{
    ASSERT_TRUE(watch.watchFolderOf(QFile::encodeName(file)));
    const struct {
        const char *what;
        std::function<bool()> change;
    } cases[] = {
        {"rewritten", [&] { return writeBytes(file, "x"); }},
        {"renamed over", [&] {
             const QString next = dir.filePath(QStringLiteral("next.vnp"));
             return writeBytes(next, "y") && QFile::remove(file) && QFile::rename(next, file);
         }},
        {"permissions", [&] { return QFile::setPermissions(file, QFile::ReadOwner); }},
        {"removed", [&] { return QFile::remove(file); }},
        {"created", [&] { return writeBytes(file, "z"); }},
    };
    for (const auto &c : cases) {
        const quint64 before = watch.serial();
        EXPECT_EQ(watch.serial(), before) << c.what << ": nothing happened yet";
        ASSERT_TRUE(c.change()) << c.what;
        EXPECT_NE(watch.serial(), before) << c.what;
    }
}

// Whichever thread makes the change or asks, a change made before the question is told.
TEST_F(FolderWatchTest, ChangesAreToldAcrossThreads)
{
    ASSERT_TRUE(watch.watchFolderOf(QFile::encodeName(file)));
    quint64 before = watch.serial();
    std::thread writer([&] { EXPECT_TRUE(writeBytes(file, "elsewhere")); });
    writer.join();
    EXPECT_NE(watch.serial(), before) << "written by another thread";

    before = watch.serial();
    ASSERT_TRUE(writeBytes(file, "here"));
    quint64 there = before;
    std::thread asker([&] { there = watch.serial(); });
    asker.join();
    EXPECT_NE(there, before) << "asked by another thread";
    EXPECT_EQ(watch.serial(), there);
}

TEST_F(FolderWatchTest, FilesWhoseChangesCouldGoUnseenAreNotWatched)
{
    const QString target = other.filePath(QStringLiteral("target.vnp"));
    ASSERT_TRUE(writeBytes(target, helloBytes()));
    const QString link = dir.filePath(QStringLiteral("link.vnp"));
    ASSERT_TRUE(QFile::link(target, link));
    const QString second = dir.filePath(QStringLiteral("second.vnp"));
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData()), 0);

    EXPECT_FALSE(watch.watchFolderOf(QFile::encodeName(link))) << "a symbolic link";
    EXPECT_FALSE(watch.watchFolderOf(QFile::encodeName(second))) << "a second name of a file elsewhere";
    EXPECT_FALSE(watch.watchFolderOf("a.vnp")) << "a relative path";
    EXPECT_FALSE(watch.watchFolderOf(QFile::encodeName(dir.path()))) << "a folder";
    EXPECT_FALSE(watch.watchFolderOf(QFile::encodeName(dir.filePath(QStringLiteral("yok.vnp")))));
}

// A chart reached through a symbolic link is looked at on every entry, so a change of the file
// it points to is seen although the watched folder heard of nothing.
TEST_F(FolderWatchTest, AChartBehindALinkIsReadAgainWhenItsTargetChanges)
{
    const QString target = other.filePath(QStringLiteral("target.vnp"));
    ASSERT_TRUE(writeBytes(target, helloBytes()));
    const QString link = dir.filePath(QStringLiteral("link.vnp"));
    ASSERT_TRUE(QFile::link(target, link));
    QThread::msleep(100);
    MessageLog log;
    Project project(&log);
    ASSERT_TRUE(project.load_FILE(file));
    ASSERT_TRUE(project.enterChart(link));
    ASSERT_TRUE(project.enterChart(file));
    ASSERT_TRUE(writeBytes(target, replaceOnce(helloBytes(), "Merhaba", "Degisti")));
    ASSERT_TRUE(project.enterChart(link));
    EXPECT_EQ(project.theBlockCollection().item(2)->zParam1(), QStringLiteral("Degisti Dünya"));
}

} // namespace
