#include "shell/MakeExecutable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kErrorStart = QStringLiteral("EXE oluşturulurken hata: \r\n");

class MakeExecutableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = write(programDir.filePath(QStringLiteral("varnel")), "\x7f" "ELF program bytes");
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner
                                           | QFileDevice::ExeGroup | QFileDevice::ExeOther);
        flow = write(charts.filePath(QStringLiteral("ana.vnp")), "chart bytes\r\n");
    }

    static QString write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList targetFiles() const
    {
        return QDir(target.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir programDir;
    QTemporaryDir charts;
    QTemporaryDir target;
    QString program;
    QString flow;
    MakeExecutable maker{QString()};
};

} // namespace

TEST(MakeExecutableNames, SettingsFileDropsOnlyAnExeEnding)
{
    const struct {
        const char *target;
        const char *settings;
    } cases[] = {
        {"/a/Program1", "/a/Program1.ini"},
        {"/a/Hesap.exe", "/a/Hesap.ini"},
        {"/a/Hesap.EXE", "/a/Hesap.ini"},
        {"/a/hesap.bin", "/a/hesap.bin.ini"},
        {"/a/exe", "/a/exe.ini"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MakeExecutable::settingsPathFor(QString::fromUtf8(c.target)), QString::fromUtf8(c.settings)) << c.target;
}

TEST(MakeExecutableNames, NoticeNamesTheProgramAndItsSettingsFile)
{
    EXPECT_EQ(MakeExecutable::noticeText(QStringLiteral("/oyun/Hesap.exe")),
              QStringLiteral("Lütfen dikkat: \r\n\r\n  Bu projede kullanılan tüm \".vnp\" dosyalarının "
                             "(fonksiyon içerenler dahil)\r\n\"Hesap.exe\" ve \"Hesap.ini\" dosyasıyla "
                             "aynı yere kopyalanmalıdır.\r\n  "));
    EXPECT_TRUE(MakeExecutable::noticeText(QStringLiteral("/oyun/Program1"))
                    .contains(QStringLiteral("\"Program1\" ve \"Program1.ini\" dosyasıyla")));
}

TEST(MakeExecutableNames, ProposedFolderIsTheProgramsWhenItExists)
{
    QTemporaryDir dir;
    EXPECT_EQ(MakeExecutable::proposedFolder(dir.path()), dir.path());
    EXPECT_EQ(MakeExecutable::proposedFolder(dir.filePath(QStringLiteral("missing"))), QDir::homePath());
}

TEST_F(MakeExecutableTest, MakesTheProgramItsSettingsAndTheFlow)
{
    maker = MakeExecutable(program);
    const QString made = target.filePath(QStringLiteral("Program1"));
    const MakeExecutable::Result result = maker.make(QStringLiteral("  ") + flow + QStringLiteral(" "), made);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(targetFiles(), (QStringList{QStringLiteral("Program1"), QStringLiteral("Program1.ini"),
                                          QStringLiteral("ana.vnp")}));
    EXPECT_EQ(contents(made), contents(program));
    EXPECT_TRUE(QFileInfo(made).isExecutable());
    EXPECT_EQ(contents(made + QStringLiteral(".ini")), QByteArray("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n"));
    EXPECT_EQ(contents(target.filePath(QStringLiteral("ana.vnp"))), contents(flow));
}

TEST_F(MakeExecutableTest, ReplacesAnEarlierCopyAndTakesAnExeName)
{
    maker = MakeExecutable(program);
    const QString made = write(target.filePath(QStringLiteral("Hesap.exe")), "older program");
    write(target.filePath(QStringLiteral("ana.vnp")), "older chart");
    ASSERT_TRUE(maker.make(flow, made).ok);
    EXPECT_EQ(contents(made), contents(program));
    EXPECT_EQ(contents(target.filePath(QStringLiteral("Hesap.ini"))),
              QByteArray("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n"));
    EXPECT_EQ(contents(target.filePath(QStringLiteral("ana.vnp"))), contents(flow));
}

TEST_F(MakeExecutableTest, AFlowAlreadyBesideTheTargetIsNotCopiedOntoItself)
{
    maker = MakeExecutable(program);
    ASSERT_TRUE(maker.make(flow, charts.filePath(QStringLiteral("Program1"))).ok);
    EXPECT_EQ(contents(flow), QByteArray("chart bytes\r\n"));
}

TEST_F(MakeExecutableTest, ARelativeFlowIsLookedUpBesideTheProgram)
{
    write(programDir.filePath(QStringLiteral("kare.vnp")), "square");
    maker = MakeExecutable(program);
    ASSERT_TRUE(maker.make(QStringLiteral("kare.vnp"), target.filePath(QStringLiteral("Kare"))).ok);
    EXPECT_EQ(contents(target.filePath(QStringLiteral("kare.vnp"))), QByteArray("square"));
}

TEST_F(MakeExecutableTest, RefusalsWriteNothing)
{
    maker = MakeExecutable(program);
    const struct {
        QString flow;
        QString target;
        const char *reason;
    } cases[] = {
        {charts.filePath(QStringLiteral("yok.vnp")), target.filePath(QStringLiteral("P")), "Başlangıç diyagramı bulunamadı"},
        {flow, program, "Çalışan program kendi üzerine yazılamaz"},
        {flow, programDir.filePath(QStringLiteral("varnel.exe")), "Çalışan programın ayar dosyası"},
        {flow, flow, "başlangıç diyagramının üzerine yazılamaz"},
        {flow, target.filePath(QStringLiteral("ana.vnp")), "başlangıç diyagramının üzerine yazılamaz"},
    };
    for (const auto &c : cases) {
        const MakeExecutable::Result result = maker.make(c.flow, c.target);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.startsWith(kErrorStart)) << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.reason)))
            << c.reason << " / " << result.error.toStdString();
    }
    EXPECT_TRUE(targetFiles().isEmpty());
    EXPECT_EQ(contents(flow), QByteArray("chart bytes\r\n"));
    EXPECT_EQ(contents(program), QByteArray("\x7f" "ELF program bytes"));
}

TEST_F(MakeExecutableTest, AFolderThatCannotBeWrittenIsReported)
{
    maker = MakeExecutable(program);
    const QString made = target.filePath(QStringLiteral("yok/Program1"));
    const MakeExecutable::Result result = maker.make(flow, made);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(kErrorStart + u'"' + made + u'"')) << result.error.toStdString();
}

TEST_F(MakeExecutableTest, AMissingProgramIsReported)
{
    maker = MakeExecutable(programDir.filePath(QStringLiteral("silinmis")));
    const MakeExecutable::Result result = maker.make(flow, target.filePath(QStringLiteral("P")));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("okunamıyor"))) << result.error.toStdString();
    EXPECT_TRUE(targetFiles().isEmpty());
}
