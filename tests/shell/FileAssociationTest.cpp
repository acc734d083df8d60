#include "base/MessageLog.h"
#include "shell/FileAssociation.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

// The user's folders moved into a temporary home for one test, and put back afterwards.
class HomeScope {
public:
    explicit HomeScope(const QString &home)
    {
        for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            m_saved.emplace(name, qgetenv(name));
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
    }
    ~HomeScope()
    {
        for (const auto &[name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

private:
    std::map<const char *, QByteArray> m_saved;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file below a folder with its bytes and modification time: what a run left behind.
std::map<QString, std::pair<QByteArray, QDateTime>> snapshot(const QString &folder)
{
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = {contents(path), QFileInfo(path).lastModified()};
    }
    return files;
}

class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log.setModalSink([this](const QString &text, const QString &title) {
            warnings.append(title + u'|' + text);
        });
        QFile tool(tools.filePath(QStringLiteral("update-mime-database")));
        tool.open(QIODevice::WriteOnly);
        tool.close();
        tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    }

    void associate(const QString &program = QStringLiteral("/opt/varnel/bin/varnel"))
    {
        FileAssociation association(settings, registry, &log, program);
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

    QString data(const QString &path) const { return home.path() + QStringLiteral("/data/") + path; }

    QTemporaryDir home;
    QTemporaryDir tools;
    HomeScope scope{home.path()};
    MessageLog log;
    QStringList warnings;
    QStringList toolRuns;
    SettingsModule settings;
    Registry registry{&log};
};

} // namespace

TEST_F(FileAssociationTest, WritesTheKeysAndTheDesktopRegistrationUnderTheUsersFolders)
{
    associate();
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));
    EXPECT_EQ(value(QStringLiteral("Varnel")), QStringLiteral("Varnel Project"));
    EXPECT_EQ(value(QStringLiteral("Varnel\\DefaultIcon")), QStringLiteral("/opt/varnel/bin/varnel,0"));
    EXPECT_EQ(value(QStringLiteral("Varnel\\shell\\open\\command")),
              QStringLiteral("/opt/varnel/bin/varnel \"%1\""));
    EXPECT_TRUE(QFileInfo::exists(home.path() + QStringLiteral("/config/varnel/HKCR.reg")));

    EXPECT_EQ(contents(data(QStringLiteral("mime/packages/varnel.xml"))),
              FileAssociation::mimeTypeDefinition().toUtf8());
    const QByteArray desktop = contents(data(QStringLiteral("applications/varnel.desktop")));
    EXPECT_TRUE(desktop.contains("\nExec=/opt/varnel/bin/varnel %f\n")) << desktop.toStdString();
    EXPECT_TRUE(desktop.contains("\nMimeType=application/x-varnel-project;\n"));
    EXPECT_EQ(contents(data(QStringLiteral("icons/hicolor/scalable/apps/varnel.svg"))),
              contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.svg")));
    // Only the tool that is installed runs, once, on its own folder.
    EXPECT_EQ(toolRuns, QStringList{QStringLiteral("update-mime-database ") + data(QStringLiteral("mime"))});
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
}

TEST_F(FileAssociationTest, ASecondRunWritesNothing)
{
    associate();
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
    // The MIME type did not change, so its database is left alone.
    EXPECT_TRUE(toolRuns.isEmpty());
}

TEST_F(FileAssociationTest, OnlyWhenTheSettingsAsk)
{
    settings.setINISetting(QStringLiteral("SHOULD_ASSOCIATE"), QStringLiteral("associate_if_required=yes"));
    associate();
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));

    QTemporaryDir otherHome;
    HomeScope other(otherHome.path());
    for (const char *setting : {"ASSOCIATE_IF_REQUIRED=NO", "", "ASSOCIATE_IF_REQUIRED=YES "}) {
        settings.setINISetting(QStringLiteral("SHOULD_ASSOCIATE"), QString::fromUtf8(setting));
        associate();
        EXPECT_TRUE(snapshot(otherHome.path()).empty()) << setting;
    }
}

TEST_F(FileAssociationTest, AFolderThatCannotBeWrittenWarnsOnce)
{
    QFile blocker(home.path() + QStringLiteral("/data"));
    blocker.open(QIODevice::WriteOnly);
    blocker.close();
    associate();
    EXPECT_EQ(warnings, QStringList{QStringLiteral("fWriteValue|Kayıt defteri ya da .ini dosya değeri yazılamıyor.")});
    // The key store lives elsewhere and was written all the same.
    EXPECT_EQ(value(QStringLiteral(".vnp")), QStringLiteral("Varnel"));
}

TEST(FileAssociationTexts, ExecArgumentsAreQuotedAsTheLauncherReadsThem)
{
    const struct {
        const char *program;
        const char *exec;
    } cases[] = {
        {"/usr/bin/varnel", "Exec=/usr/bin/varnel %f"},
        {"/a b/varnel", "Exec=\"/a b/varnel\" %f"},
        {"/a$b/v\"x", "Exec=\"/a\\\\$b/v\\\\\"x\" %f"},
        {"/yüzde%/varnel", "Exec=/yüzde%%/varnel %f"},
        {"/a\\b/varnel", "Exec=\"/a\\\\\\\\b/varnel\" %f"},
    };
    for (const auto &c : cases) {
        const QString entry = FileAssociation::desktopEntry(QString::fromUtf8(c.program));
        EXPECT_TRUE(entry.contains(u'\n' + QString::fromUtf8(c.exec) + u'\n')) << entry.toStdString();
    }
}

TEST(FileAssociationTexts, TheInstalledFilesAreTheOnesTheProgramWrites)
{
    EXPECT_EQ(contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.desktop")),
              FileAssociation::desktopEntry(QStringLiteral("varnel")).toUtf8());
    EXPECT_EQ(contents(QStringLiteral(VARNEL_SOURCE_DATA "/linux/varnel.xml")),
              FileAssociation::mimeTypeDefinition().toUtf8());
}

TEST_F(FileAssociationTest, TheDesktopsMimeDatabaseKnowsTheType)
{
    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (updater.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    FileAssociation association(settings, registry, &log, QStringLiteral("/usr/bin/varnel"));
    association.setToolRunner([](const QString &program, const QStringList &arguments) {
        QProcess::execute(program, arguments);
    });
    association.associateFileType();
    EXPECT_TRUE(contents(data(QStringLiteral("mime/globs2"))).contains("application/x-varnel-project:*.vnp"));
}
