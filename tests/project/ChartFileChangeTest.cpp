// A chart kept during a run is shown again unread only while its file is unchanged: whatever
// happens to the file, the first entry after the change that comes a tick of the coarse clock
// later reads it again (or finds it gone).

#include "ProjectTestSupport.h"
#include "base/CoarseClock.h"
#include "project/FileStamp.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <unistd.h>

using namespace ProjectTest;

namespace {

// Until the coarse clock reads later than `ms`.
void waitForClockPast(qint64 ms)
{
    while (CoarseClock::nowMs() <= ms)
        QThread::msleep(1);
}

class ChartFileChange : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(other.isValid());
        ASSERT_TRUE(writeBytes(a, helloBytes()));
        ASSERT_TRUE(writeBytes(target, replaceOnce(helloBytes(), "Merhaba", "Evvelki")));
        waitUntilSettled(a);
        waitUntilSettled(target);
    }

    // Shows `path` from a, back to a, and `path` again, so that its chart is kept and its file
    // was found unchanged; then a again. Returns the clock's reading after the last look at it.
    qint64 keepAndLookAt(const QString &path)
    {
        EXPECT_TRUE(project.load_FILE(a));
        EXPECT_TRUE(project.enterChart(path));
        EXPECT_TRUE(project.enterChart(a));
        kept = project.theBlockCollection().item(1);
        EXPECT_TRUE(project.enterChart(path));
        const qint64 lookedAt = CoarseClock::nowMs();
        EXPECT_TRUE(project.enterChart(a));
        EXPECT_EQ(project.theBlockCollection().item(1), kept) << "a was kept";
        return lookedAt;
    }

    QString firstOutput() { return project.theBlockCollection().item(2)->zParam1(); }

    QTemporaryDir dir;
    QTemporaryDir other;
    QString a = dir.filePath(QStringLiteral("a.vnp"));
    QString target = other.filePath(QStringLiteral("b.vnp"));
    QString b = dir.filePath(QStringLiteral("b.vnp"));
    MessageLog log;
    Project project{&log};
    cBlock *kept = nullptr;
};

TEST_F(ChartFileChange, EveryKindOfChangeIsSeenAtTheNextEntry)
{
    // The same size as before, so that only the file's times and identity tell the change.
    const QByteArray changed = replaceOnce(helloBytes(), "Merhaba", "Degisti");
    const struct {
        const char *what;
        std::function<bool()> link; // makes b name the file
        std::function<bool()> change;
    } cases[] = {
        {"rewritten in place", [&] { return QFile::copy(target, b); }, [&] { return writeBytes(b, changed); }},
        {"replaced by a safe save", [&] { return QFile::copy(target, b); },
         [&] {
             QSaveFile save(b);
             return save.open(QIODevice::WriteOnly) && save.write(changed) == changed.size() && save.commit();
         }},
        {"written by another thread", [&] { return QFile::copy(target, b); },
         [&] {
             bool written = false;
             std::thread writer([&] { written = writeBytes(b, changed); });
             writer.join();
             return written;
         }},
        {"the target of a symbolic link", [&] { return QFile::link(target, b); },
         [&] { return writeBytes(target, changed); }},
        {"a second name of a file elsewhere",
         [&] { return ::link(QFile::encodeName(target).constData(), QFile::encodeName(b).constData()) == 0; },
         [&] { return writeBytes(target, changed); }},
    };
    const QByteArray original = readBytes(target);
    for (const auto &c : cases) {
        ASSERT_TRUE(writeBytes(target, original)) << c.what;
        QFile::remove(b);
        ASSERT_TRUE(c.link()) << c.what;
        waitUntilSettled(b);
        const qint64 lookedAt = keepAndLookAt(b);
        ASSERT_TRUE(c.change()) << c.what;
        waitForClockPast(lookedAt);
        ASSERT_TRUE(project.enterChart(b)) << c.what;
        EXPECT_EQ(firstOutput(), QStringLiteral("Degisti Dünya")) << c.what;
        EXPECT_EQ(log.text(), QString()) << c.what;
    }
}

TEST_F(ChartFileChange, AFileRemovedIsNotShownAndOneCreatedAgainIsRead)
{
    const qint64 lookedAt = keepAndLookAt(target);
    ASSERT_TRUE(QFile::remove(target));
    waitForClockPast(lookedAt);
    EXPECT_FALSE(project.enterChart(target)) << "the kept copy of a deleted file is not shown";
    EXPECT_EQ(project.projectPath(), a);

    ASSERT_TRUE(writeBytes(target, replaceOnce(helloBytes(), "Merhaba", "Yeni")));
    ASSERT_TRUE(project.enterChart(target));
    EXPECT_EQ(firstOutput(), QStringLiteral("Yeni Dünya"));
}

// The chart on show, entered again, is looked at the same way.
TEST_F(ChartFileChange, TheChartOnShowIsReadAgainWhenItsFileChanged)
{
    keepAndLookAt(target);
    ASSERT_TRUE(project.enterChart(a));
    const qint64 lookedAt = CoarseClock::nowMs();
    ASSERT_TRUE(writeBytes(a, replaceOnce(helloBytes(), "Merhaba", "Tekrar")));
    waitForClockPast(lookedAt);
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(firstOutput(), QStringLiteral("Tekrar Dünya"));
    EXPECT_NE(project.theBlockCollection().item(1), kept);
}

} // namespace
