#include "shell/SmallFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class SmallFileTest : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }

    QString link(const QString &name, const QString &target) const
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SmallFileTest, OnlyPlainFilesUpToTheLimitAreRead)
{
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    using R = SmallFile::Result;
    const struct {
        QString path;
        R result;
        qsizetype size;
    } cases[] = {
        {write(QStringLiteral("small"), "a\r\nb\r\n"), R::Read, 6},
        {write(QStringLiteral("limit"), QByteArray(SmallFile::kLimit, 'x')), R::Read, SmallFile::kLimit},
        {write(QStringLiteral("over"), QByteArray(SmallFile::kLimit + 1, 'x')), R::TooLarge, 0},
        {dir.filePath(QStringLiteral("missing")), R::Missing, 0},
        {dir.path(), R::NotRegular, 0},
        {QStringLiteral("/dev/zero"), R::NotRegular, 0},
        {link(QStringLiteral("zero"), QStringLiteral("/dev/zero")), R::NotRegular, 0},
        {fifo, R::NotRegular, 0},
        {link(QStringLiteral("dangling"), dir.filePath(QStringLiteral("gone"))), R::Unreadable, 0},
    };
    for (const auto &c : cases) {
        QByteArray bytes("left over");
        EXPECT_EQ(SmallFile(c.path).read(bytes), c.result) << c.path.toStdString();
        EXPECT_EQ(bytes.size(), c.size) << c.path.toStdString();
    }
}
