#include "base/MessageLog.h"
#include "shell/FileAssociation.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"

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
        log.setModalSink([this](const QString &text, const QString &title) { warnings.append(title + u'|' + text); });
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

    QString data(const QString &path) const { return home.filePath(QStringLiteral("data/") + path); }

    std::map<const char *, QByteArray> saved;
    QTemporaryDir home, tools;
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
