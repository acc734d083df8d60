#include "shell/SettingsModule.h"

#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray kDefaultFile = "ASSOCIATE_IF_REQUIRED=YES\r\nENGLISH\r\n\r\n";

class SettingsModuleTest : public ::testing::Test {
protected:
    void SetUp() override { settings.setProgramFolder(dir.path()); }

    QString path() const { return dir.filePath(QStringLiteral("varnel.ini")); }

    void writeFile(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    SettingsModule settings;
};

} // namespace

TEST_F(SettingsModuleTest, MissingFileGivesDefaultsAndIsWritten)
{
    settings.setINISetting(QStringLiteral("LANGUAGE"), QStringLiteral("TURKISH"));
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")),
              QStringLiteral("ASSOCIATE_IF_REQUIRED=YES"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("LANGUAGE")), QStringLiteral("ENGLISH"));
    EXPECT_TRUE(settings.getINISetting(QStringLiteral("START_UP_FLOW")).isEmpty());
    EXPECT_EQ(readFile(), kDefaultFile);
}

TEST_F(SettingsModuleTest, TwoLinesGiveAllDefaultsAndAreRewritten)
{
    writeFile("ASSOCIATE_IF_REQUIRED=NO\r\nTURKISH\r\n");
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")),
              QStringLiteral("ASSOCIATE_IF_REQUIRED=YES"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("LANGUAGE")), QStringLiteral("ENGLISH"));
    EXPECT_EQ(readFile(), kDefaultFile);
}

TEST_F(SettingsModuleTest, ThreeLinesAreReadWithAnyLineEnds)
{
    writeFile("ASSOCIATE_IF_REQUIRED=NO\nENGLISH\rana.vnp");
    settings.loadSettings(QStringLiteral("varnel.ini"));
    // A value with "=" is one whole line, never split.
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")),
              QStringLiteral("ASSOCIATE_IF_REQUIRED=NO"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("START_UP_FLOW")), QStringLiteral("ana.vnp"));
    // A good file is left as it was.
    EXPECT_EQ(readFile(), QByteArray("ASSOCIATE_IF_REQUIRED=NO\nENGLISH\rana.vnp"));
}

TEST_F(SettingsModuleTest, EmptyThirdLineCounts)
{
    writeFile("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\n\r\n");
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")),
              QStringLiteral("ASSOCIATE_IF_REQUIRED=NO"));
}

TEST_F(SettingsModuleTest, ExtraLinesAreIgnoredAndGoneAtTheNextSave)
{
    writeFile("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\nfourth\r\n");
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("START_UP_FLOW")), QStringLiteral("ana.vnp"));
    settings.saveSettings(path());
    EXPECT_EQ(readFile(), QByteArray("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n"));
}

TEST_F(SettingsModuleTest, TextIsWindows1254)
{
    writeFile("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\n\xfe\xe7" "ek.vnp\r\n");
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("START_UP_FLOW")), QStringLiteral("şçek.vnp"));
    settings.setINISetting(QStringLiteral("START_UP_FLOW"), QStringLiteral("ığİ.vnp"));
    settings.saveSettings(path());
    EXPECT_EQ(readFile(), QByteArray("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\n\xfd\xf0\xdd.vnp\r\n"));
}

TEST_F(SettingsModuleTest, IdsIgnoreLetterCaseAndUnknownIdsAreIgnored)
{
    settings.setINISetting(QStringLiteral("start_up_flow"), QStringLiteral("a.vnp"));
    settings.setINISetting(QStringLiteral("COLOUR"), QStringLiteral("red"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("Start_Up_Flow")), QStringLiteral("a.vnp"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("should_associate")),
              settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")));
    EXPECT_TRUE(settings.getINISetting(QStringLiteral("COLOUR")).isEmpty());
}

TEST_F(SettingsModuleTest, FailedSaveIsSilentAndLeavesNoFile)
{
    const QString target = dir.filePath(QStringLiteral("missing/varnel.ini"));
    settings.saveSettings(target);
    EXPECT_FALSE(QFile::exists(target));
    // A folder in the settings file's place: defaults in memory, nothing breaks.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("varnel.ini")));
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("LANGUAGE")), QStringLiteral("ENGLISH"));
}

TEST_F(SettingsModuleTest, ASaveMeetingAFullDiskFailsAndKeepsTheOldFile)
{
    writeFile(kDefaultFile);
    settings.setINISetting(QStringLiteral("START_UP_FLOW"), QStringLiteral("uzun bir akış adı.vnp"));
    const QString answer = ChildProcess::withFileSizeLimit(16, [this] {
        QString failure;
        const bool saved = settings.saveSettings(path(), &failure);
        return QString::number(saved) + u'|' + failure;
    });
    EXPECT_EQ(answer, QStringLiteral("0|Disk dolu"));
    EXPECT_EQ(readFile(), kDefaultFile);
}

TEST_F(SettingsModuleTest, DevicesAndHugeFilesAreLeftUnreadAndUntouched)
{
    const QByteArray huge = "ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n" + QByteArray(2 * 1024 * 1024, ' ');
    const struct {
        const char *what;
        std::function<void()> make;
        QString reason;
    } cases[] = {
        {"device", [this] { QFile::link(QStringLiteral("/dev/zero"), path()); }, QStringLiteral("normal bir dosya değil")},
        {"large", [&] { writeFile(huge); }, QStringLiteral("1 MiB'den büyük")},
    };
    for (const auto &c : cases) {
        QFile::remove(path());
        c.make();
        SettingsModule fresh;
        fresh.setProgramFolder(dir.path());
        fresh.loadSettings(QStringLiteral("varnel.ini"));
        EXPECT_EQ(fresh.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")), QStringLiteral("ASSOCIATE_IF_REQUIRED=YES")) << c.what;
        EXPECT_TRUE(fresh.getINISetting(QStringLiteral("START_UP_FLOW")).isEmpty()) << c.what;
        EXPECT_EQ(fresh.notice(), QStringLiteral("Ayar dosyası okunmadı, ") + c.reason + QStringLiteral(": ") + path()
                                      + QStringLiteral("\r\nVarsayılan ayarlar kullanılıyor.")) << c.what;
    }
    EXPECT_EQ(readFile(), huge);
    // A file that reads well says nothing.
    writeFile(kDefaultFile);
    settings.loadSettings(QStringLiteral("varnel.ini"));
    EXPECT_TRUE(settings.notice().isEmpty());
}
