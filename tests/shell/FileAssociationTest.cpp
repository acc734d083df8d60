#include "base/MessageLog.h"
#include "shell/FileAssociation.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"

#include "shell/EnvironmentScope.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file below a folder with its bytes and modification time.
std::map<QString, std::pair<QByteArray, QDateTime>> snapshot(const QString &folder)
{
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[path] = {contents(path), QFileInfo(path).lastModified()};
    }
    return files;
}

// Runs against a temporary HOME with its own XDG folders, and a fake update-mime-database.
class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            saved[name] = qgetenv(name);
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", data(QString()).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        log.setModalSink([this](const MessageText &text, const QString &title) { warnings.append(title + u'|' + text.turkish()); });
        QFile tool(tools.filePath(QStringLiteral("update-mime-database")));
        tool.open(QIODevice::WriteOnly);
        tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    }
    void TearDown() override
    {
        for (const auto &[name, value] : saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    void associate(const QString &program = QStringLiteral("/opt/varnel/bin/varnel"))
    {
        FileAssociation association(settings, registry, &log, program, FileAssociation::defaultDataHome(), {system.path()});
        association.setToolSearchPaths({tools.path()});
        association.setToolRunner([this](const QString &name, const QStringList &arguments) {
            toolRuns.append(QFileInfo(name).fileName() + u' ' + arguments.join(u' '));
        });
        association.associateFileType();
    }

    QString value(const QString &key)
    {
        QVariant text;
        registry.fQueryValue(QStringLiteral("HKCR"), key, QString(), QStringLiteral("S"), QString(), text);
        return text.toString();
    }

    QString data(const QString &path) const { return home.filePath(QStringLiteral("data/") + path); }

    std::map<const char *, QByteArray> saved;
    // Writes a file below the user's data folder, or below the system data folder.
    void put(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    void installSystemRegistration()
    {
        put(system.filePath(QStringLiteral("applications/varnel.desktop")), FileAssociation::desktopEntry(QStringLiteral("varnel")).toUtf8());
        put(system.filePath(QStringLiteral("mime/packages/varnel.xml")), FileAssociation::mimeTypeDefinition().toUtf8());
    }
    // An executable that stands for a program installed somewhere else.
    QString otherProgram(const QString &name = QStringLiteral("varnel"))
    {
        const QString path = others.filePath(name);
        put(path, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }
    QString userEntry() const { return data(QStringLiteral("applications/varnel.desktop")); }

    QTemporaryDir home, tools, system, others;
    MessageLog log;
    QStringList warnings, toolRuns;
    SettingsModule settings;
    Registry registry{&log, home.filePath(QStringLiteral("config/varnel"))};
};

} // namespace

TEST_F(FileAssociationTest, WritesTheKeysAndTheDesktopRegistrationOnce)
{
    associate();
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));
    EXPECT_EQ(value(QStringLiteral("Varnel")), QStringLiteral("Varnel Project"));
    EXPECT_EQ(value(QStringLiteral("Varnel\\DefaultIcon")), QStringLiteral("/opt/varnel/bin/varnel,0"));
    EXPECT_EQ(value(QStringLiteral("Varnel\\shell\\open\\command")), QStringLiteral("/opt/varnel/bin/varnel \"%1\""));
    EXPECT_EQ(contents(data(QStringLiteral("mime/packages/varnel.xml"))), contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.xml")));
    EXPECT_TRUE(contents(data(QStringLiteral("applications/varnel.desktop"))).contains("\nExec=/opt/varnel/bin/varnel %f\n"));
    EXPECT_EQ(contents(data(QStringLiteral("icons/hicolor/scalable/apps/varnel.svg"))), contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.svg")));
    EXPECT_EQ(toolRuns, QStringList{QStringLiteral("update-mime-database ") + data(QStringLiteral("mime"))});
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(Registry::defaultStoreFolder(), registry.storeFolder());

    const auto before = snapshot(home.path());
    toolRuns.clear();
    associate();
    EXPECT_EQ(snapshot(home.path()), before);
    EXPECT_TRUE(toolRuns.isEmpty());
}

TEST_F(FileAssociationTest, AMovedProgramRewritesWhatNamesIt)
{
    associate();
    toolRuns.clear();
    associate(QStringLiteral("/home/ogr/varnel kopya/varnel"));
    EXPECT_EQ(value(QStringLiteral("Varnel\\DefaultIcon")), QStringLiteral("/home/ogr/varnel kopya/varnel,0"));
    EXPECT_TRUE(contents(data(QStringLiteral("applications/varnel.desktop")))
                    .contains("\nExec=\"/home/ogr/varnel kopya/varnel\" %f\n"));
    EXPECT_TRUE(toolRuns.isEmpty()); // the MIME type itself did not change
}

TEST_F(FileAssociationTest, NothingUnlessTheSettingsAskAndOneWarningOnFailure)
{
    for (const char *setting : {"ASSOCIATE_IF_REQUIRED=NO", "", "ASSOCIATE_IF_REQUIRED=YES "}) {
        settings.setINISetting(QStringLiteral("SHOULD_ASSOCIATE"), QLatin1String(setting));
        associate();
        EXPECT_TRUE(snapshot(home.path()).empty()) << setting;
    }
    settings.setINISetting(QStringLiteral("SHOULD_ASSOCIATE"), QStringLiteral("associate_if_required=yes"));
    QFile(home.filePath(QStringLiteral("data"))).open(QIODevice::WriteOnly); // a file, not a folder
    associate();
    EXPECT_EQ(warnings, QStringList{QStringLiteral("fWriteValue|Kayıt defteri ya da .ini dosya değeri yazılamıyor.")});
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));
}

TEST(FileAssociationTexts, ExecIsQuotedAsTheLauncherReadsIt)
{
    for (const auto &[program, exec] : {std::pair{"/usr/bin/varnel", "Exec=/usr/bin/varnel %f"},
                                        {"/a b/v", "Exec=\"/a b/v\" %f"},
                                        {"/a$b/v\"x", "Exec=\"/a\\\\$b/v\\\\\"x\" %f"},
                                        {"/y%/v", "Exec=/y%%/v %f"},
                                        {"/a\\b/v", "Exec=\"/a\\\\\\\\b/v\" %f"}})
        EXPECT_TRUE(FileAssociation::desktopEntry(QString::fromUtf8(program)).contains(u'\n' + QLatin1String(exec) + u'\n')) << exec;
    // The installed entry is the one the program writes for a program on the PATH.
    EXPECT_EQ(contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.desktop")), FileAssociation::desktopEntry(QStringLiteral("varnel")).toUtf8());
}

TEST_F(FileAssociationTest, NothingForTheUserWhenTheInstallationRegistersTheType)
{
    installSystemRegistration();
    associate();
    EXPECT_TRUE(snapshot(home.path()).empty());
    EXPECT_TRUE(toolRuns.isEmpty());
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(FileAssociationTest, UnderAnInstallationAnEntryWhoseProgramIsGoneIsRemoved)
{
    associate(QStringLiteral("/home/ogr/silinmiş/varnel"));
    put(data(QStringLiteral("mime/packages/other.xml")), "<mime-info/>");
    installSystemRegistration();
    toolRuns.clear();
    associate(QStringLiteral("/usr/bin/varnel"));
    const auto left = snapshot(data(QString()));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left.begin()->first, data(QStringLiteral("mime/packages/other.xml")));
    EXPECT_EQ(toolRuns, (QStringList{QStringLiteral("update-mime-database ") + data(QStringLiteral("mime"))}));

    // One that opens the files with a program that is still there stays.
    const QString build = otherProgram();
    put(userEntry(), FileAssociation::desktopEntry(build).toUtf8());
    associate(QStringLiteral("/usr/bin/varnel"));
    EXPECT_EQ(contents(userEntry()), FileAssociation::desktopEntry(build).toUtf8());
}

TEST_F(FileAssociationTest, AnEntryForAnotherProgramThatExistsIsLeftAlone)
{
    const QByteArray theirs = FileAssociation::desktopEntry(otherProgram()).toUtf8();
    put(userEntry(), theirs);
    associate();
    EXPECT_EQ(snapshot(home.path()).size(), 1u);
    EXPECT_EQ(contents(userEntry()), theirs);
    EXPECT_TRUE(toolRuns.isEmpty());

    // Once that program is gone, the entry is this program's.
    QFile::remove(others.filePath(QStringLiteral("varnel")));
    associate();
    EXPECT_TRUE(contents(userEntry()).contains("\nExec=/opt/varnel/bin/varnel %f\n"));
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));
}

TEST_F(FileAssociationTest, AnEntryInstalledIntoTheUsersDataFolderIsKept)
{
    // `cmake --install --prefix ~/.local` put the entry there, naming the program as the PATH finds it.
    EnvironmentScope environment;
    const QString program = otherProgram();
    environment.set("PATH", others.path());
    const QByteArray installed = FileAssociation::desktopEntry(QStringLiteral("varnel")).toUtf8();
    put(userEntry(), installed);
    associate(program);
    EXPECT_EQ(contents(userEntry()), installed);
    EXPECT_EQ(contents(data(QStringLiteral("mime/packages/varnel.xml"))), FileAssociation::mimeTypeDefinition().toUtf8());
}
