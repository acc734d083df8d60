#include "base/CheckedFileWriter.h"

#include "base/FileErrors.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QByteArray kOld = "the old contents\r\n";

class CheckedFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(put(target(), kOld));
    }

    QString target() const { return dir.filePath(QStringLiteral("hedef.vnp")); }

    static bool put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System); }

    // "number|text" of a failed write, "ok" of a successful one.
    static QString outcome(const QString &path, const QByteArray &bytes)
    {
        CheckedFileWriter writer(path);
        if (writer.write(bytes))
            return QStringLiteral("ok");
        return QString::number(writer.error()) + u'|' + writer.errorText();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CheckedFileWriterTest, ReplacesTheFileAndLeavesNothingElse)
{
    const QByteArray bytes(100000, 'x');
    CheckedFileWriter writer(target());
    ASSERT_TRUE(writer.write(bytes));
    EXPECT_EQ(writer.error(), 0);
    EXPECT_EQ(contents(target()), bytes);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("hedef.vnp")});
}

TEST_F(CheckedFileWriterTest, AWriteCutShortKeepsTheOldFile)
{
    // A chart of about 10 KB meets a disk with no room, with one page, with two pages left.
    const QByteArray bytes(9800, 'y');
    const QString newFile = dir.filePath(QStringLiteral("yeni.vnp"));
    for (rlim_t room : {rlim_t(0), rlim_t(4096), rlim_t(8192)}) {
        SCOPED_TRACE(room);
        const QString answer = ChildProcess::withFileSizeLimit(room, [&] {
            return outcome(target(), bytes) + u'/' + outcome(newFile, bytes);
        });
        const QString full = QStringLiteral("61|Disk dolu");
        EXPECT_EQ(answer, full + u'/' + full);
        EXPECT_EQ(contents(target()), kOld);
        EXPECT_EQ(entries(), QStringList{QStringLiteral("hedef.vnp")});
    }
}

TEST_F(CheckedFileWriterTest, WhatIsNoPlainFileIsRefusedAndKept)
{
    const QString folder = dir.filePath(QStringLiteral("klasor"));
    const QString fifo = dir.filePath(QStringLiteral("boru"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const struct {
        QString path;
        QString kind;
        mode_t type;
    } cases[] = {
        {folder, QStringLiteral("bir klasör"), S_IFDIR},
        {fifo, QStringLiteral("bir adlandırılmış boru (FIFO)"), S_IFIFO},
        {QStringLiteral("/dev/null"), QStringLiteral("bir aygıt"), S_IFCHR},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(outcome(c.path, "x"),
                  QStringLiteral("75|Yol/Dosya erişim hatası: ") + c.kind + QStringLiteral(", dosya değil"));
        struct stat st;
        ASSERT_EQ(::stat(QFile::encodeName(c.path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.type);
    }
}

TEST_F(CheckedFileWriterTest, ReadOnlyFilesAndFoldersArePermissionProblems)
{
    const QString denied = QStringLiteral("70|İzin verilmedi");
    const QByteArray bytes = "new";
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther;
    const QFileDevice::Permissions folderOpen = readOnly | QFileDevice::WriteOwner | QFileDevice::WriteGroup
        | QFileDevice::WriteOther | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const QFileDevice::Permissions folderReadOnly = readOnly | QFileDevice::ExeOwner
        | QFileDevice::ExeGroup | QFileDevice::ExeOther;

    // A read-only file in a folder anyone may write to.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), folderOpen));
    ASSERT_TRUE(QFile::setPermissions(target(), readOnly));
    EXPECT_EQ(ChildProcess::withoutPrivileges([&] { return outcome(target(), bytes); }), denied);

    // A writable file in a read-only folder: its replacement cannot be made beside it.
    ASSERT_TRUE(QFile::setPermissions(target(), readOnly | QFileDevice::WriteOwner | QFileDevice::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), folderReadOnly));
    EXPECT_EQ(ChildProcess::withoutPrivileges([&] { return outcome(target(), bytes); }), denied);

    ASSERT_TRUE(QFile::setPermissions(dir.path(), folderOpen));
    EXPECT_EQ(contents(target()), kOld);
}

TEST_F(CheckedFileWriterTest, AMissingFolderIsAPathNotFound)
{
    EXPECT_EQ(outcome(dir.filePath(QStringLiteral("yok/x.vnp")), "x"), QStringLiteral("76|Yol bulunamadı"));
    EXPECT_EQ(outcome(target() + QStringLiteral("/x.vnp"), "x"), QStringLiteral("76|Yol bulunamadı"));
}
