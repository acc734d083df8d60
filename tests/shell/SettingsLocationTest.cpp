#include "shell/SettingsLocation.h"
#include "shell/SettingsModule.h"
#include "shell/StartUp.h"

#include "shell/EnvironmentScope.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A machine of its own: the user's config folder, two system config folders, and program
// folders laid out as a build tree, an installed prefix or a stand-alone copy.
class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther);
        environment.set("XDG_CONFIG_HOME", root.filePath(QStringLiteral("home/config")));
        environment.set("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("etc/xdg")) + u':' + root.filePath(QStringLiteral("etc/site")));
    }

    QString make(const QString &relative, const QByteArray &bytes = QByteArray()) const
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString folder(const QString &relative) const
    {
        QDir().mkpath(root.filePath(relative));
        return root.filePath(relative);
    }

    // <root>/prefix/bin with its data in <root>/prefix/share/varnel.
    QString installedProgramFolder() const
    {
        make(QStringLiteral("prefix/share/varnel/NEW_TEMPLATE.vnp"));
        return folder(QStringLiteral("prefix/bin"));
    }

    QString userFile() const { return root.filePath(QStringLiteral("home/config/varnel/varnel.ini")); }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Start-up makes the program folder current; the test puts the old one back.
    void TearDown() override { QDir::setCurrent(savedFolder); }

    const QString savedFolder = QDir::currentPath();
    QTemporaryDir root;
    EnvironmentScope environment;
};

const QByteArray kAdminNo = "ASSOCIATE_IF_REQUIRED=NO\r\nTURKISH\r\n\r\n";

} // namespace

TEST_F(SettingsLocationTest, AProgramInAFolderOfItsOwnKeepsItsFileBesideIt)
{
    const QString build = folder(QStringLiteral("build/src"));
    SettingsLocation location(build, QStringLiteral("varnel"));
    EXPECT_TRUE(location.besideProgram());
    EXPECT_EQ(location.filePath(), build + QStringLiteral("/varnel.ini"));

    // A stand-alone copy beside its own file, even where an installed program would not keep one.
    const QString installed = installedProgramFolder();
    make(QStringLiteral("prefix/bin/Hesap.ini"));
    EXPECT_TRUE(SettingsLocation(installed, QStringLiteral("Hesap")).besideProgram());
}

TEST_F(SettingsLocationTest, AnInstalledProgramKeepsItInTheUsersConfigFolder)
{
    SettingsLocation location(installedProgramFolder(), QStringLiteral("varnel"));
    EXPECT_FALSE(location.besideProgram());
    EXPECT_EQ(location.filePath(), userFile());
    EXPECT_EQ(location.systemFiles(), (QStringList{root.filePath(QStringLiteral("etc/xdg/varnel/varnel.ini")),
                                                   root.filePath(QStringLiteral("etc/site/varnel/varnel.ini"))}));

    // A folder the user cannot write is an installation too.
    const QString locked = folder(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
    EXPECT_EQ(ChildProcess::withoutPrivileges([&] {
        return QString::number(SettingsLocation(locked, QStringLiteral("varnel")).besideProgram());
    }), QStringLiteral("0"));
}

TEST(SettingsLocationFolders, DistributionFoldersNeverHoldAUsersSettings)
{
    for (const char *folder : {"/usr/bin", "/usr/local/bin", "/usr/games/", "/bin", "/sbin", "/snap/varnel/1/bin"})
        EXPECT_TRUE(SettingsLocation::isDistributionFolder(QLatin1String(folder))) << folder;
    for (const char *folder : {"/usrx/bin", "/home/ogr/varnel", "/opt/lab/Hesap", "/tmp/bin"})
        EXPECT_FALSE(SettingsLocation::isDistributionFolder(QLatin1String(folder))) << folder;
    // Even as root, and with a file left there by an older version, /usr/bin holds no settings.
    EXPECT_FALSE(SettingsLocation(QStringLiteral("/usr/bin"), QStringLiteral("varnel")).besideProgram());
}

TEST_F(SettingsLocationTest, InstalledStartsFromTheAdminsDefaultsAndWritesNothing)
{
    const SettingsLocation location(installedProgramFolder(), QStringLiteral("varnel"));
    SettingsModule settings;
    settings.load(location);
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")), QStringLiteral("ASSOCIATE_IF_REQUIRED=YES"));

    make(QStringLiteral("etc/site/varnel/varnel.ini"), kAdminNo);
    settings.load(location);
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")), QStringLiteral("ASSOCIATE_IF_REQUIRED=NO"));
    EXPECT_EQ(settings.getINISetting(QStringLiteral("LANGUAGE")), QStringLiteral("TURKISH"));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("home"))));
    EXPECT_TRUE(settings.notice().isEmpty());
}

TEST_F(SettingsLocationTest, InstalledReadsTheUsersOwnFileAndRepairsAShortOne)
{
    const SettingsLocation location(installedProgramFolder(), QStringLiteral("varnel"));
    make(QStringLiteral("etc/xdg/varnel/varnel.ini"), kAdminNo);
    make(QStringLiteral("home/config/varnel/varnel.ini"), "ASSOCIATE_IF_REQUIRED=YES\r\nENGLISH\r\nana.vnp\r\n");
    SettingsModule settings;
    settings.load(location);
    EXPECT_EQ(settings.getINISetting(QStringLiteral("START_UP_FLOW")), QStringLiteral("ana.vnp"));

    make(QStringLiteral("home/config/varnel/varnel.ini"), "ASSOCIATE_IF_REQUIRED=YES\r\n");
    settings.load(location);
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")), QStringLiteral("ASSOCIATE_IF_REQUIRED=NO"));
    EXPECT_EQ(contents(userFile()), kAdminNo);
}

TEST_F(SettingsLocationTest, StartUpSaysOnceWhyTheSettingsWereLeftUnread)
{
    const QString installed = installedProgramFolder();
    QDir().mkpath(QFileInfo(userFile()).absolutePath());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), userFile()));
    SettingsModule settings;
    const StartPlan plan = StartUp::decide(QString(), installed, QStringLiteral("varnel"), settings);
    EXPECT_EQ(plan.settingsNotice, QStringLiteral("Ayar dosyası okunmadı, normal bir dosya değil: ") + userFile()
                                       + QStringLiteral("\r\nVarsayılan ayarlar kullanılıyor."));
    EXPECT_TRUE(plan.runAssociation);
    EXPECT_TRUE(QFileInfo(userFile()).isSymLink());
}

TEST_F(SettingsLocationTest, TheAdminTurnsTheAssociationOffForEveryCopy)
{
    const QString build = folder(QStringLiteral("build/src"));
    SettingsModule settings;
    EXPECT_TRUE(StartUp::decide(QString(), build, QStringLiteral("varnel"), settings).runAssociation);
    make(QStringLiteral("etc/xdg/varnel/varnel.ini"), kAdminNo);
    EXPECT_FALSE(StartUp::decide(QString(), build, QStringLiteral("varnel"), settings).runAssociation);
    // The copy's own file still says yes: only the admin's file turned it off.
    EXPECT_EQ(settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE")), QStringLiteral("ASSOCIATE_IF_REQUIRED=YES"));
}
