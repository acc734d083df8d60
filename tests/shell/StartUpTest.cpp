#include "shell/SettingsModule.h"
#include "shell/StartUp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Mode = StartPlan::Mode;

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = QDir(program.path()).absolutePath() + u'/';
        QDir::setCurrent(elsewhere.path());
    }
    void TearDown() override { QDir::setCurrent(savedFolder); }

    void touch(const QString &path) const { QFile(path).open(QIODevice::WriteOnly); }

    void writeSettings(const QByteArray &bytes) const
    {
        QFile file(folder + QStringLiteral("varnel.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    StartPlan decide(const QString &request)
    {
        return StartUp::decide(request, program.path(), QStringLiteral("varnel"), settings);
    }

    const QString savedFolder = QDir::currentPath();
    QTemporaryDir program;
    QTemporaryDir elsewhere;
    QString folder;
    SettingsModule settings;
};

} // namespace

TEST_F(StartUpTest, EmptyStartLoadsSettingsAndAssociates)
{
    const StartPlan plan = decide(QStringLiteral("   "));
    EXPECT_EQ(plan.mode, Mode::EditorEmpty);
    EXPECT_TRUE(plan.runAssociation);
    EXPECT_EQ(QDir::current(), QDir(program.path()));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("varnel.ini")));
}

TEST_F(StartUpTest, AssociationFollowsTheSettingInAnyCase)
{
    writeSettings("associate_if_required=yes\r\nENGLISH\r\n\r\n");
    EXPECT_TRUE(decide(QString()).runAssociation);
    writeSettings("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\n  \r\n");
    EXPECT_FALSE(decide(QString()).runAssociation);
}

TEST_F(StartUpTest, RelativeNameIsLookedUpInTheProgramFolderOnly)
{
    touch(folder + QStringLiteral("factorial.vnp"));
    touch(elsewhere.filePath(QStringLiteral("other.vnp")));
    StartPlan plan = decide(QStringLiteral(" factorial.vnp "));
    EXPECT_EQ(plan.mode, Mode::EditorWithFile);
    EXPECT_EQ(plan.path, folder + QStringLiteral("factorial.vnp"));
    EXPECT_EQ(plan.projectFolder, folder);
    EXPECT_FALSE(plan.runAssociation);

    plan = decide(QStringLiteral("other.vnp"));
    EXPECT_EQ(plan.mode, Mode::FileNotFound);
    EXPECT_EQ(plan.notFoundMessage, QStringLiteral("other.vnp Dosyası\r\nBulunamadı"));
}

TEST_F(StartUpTest, CommandLineNameIsLookedUpInTheStartFolderFirst)
{
    touch(folder + QStringLiteral("both.vnp"));
    touch(elsewhere.filePath(QStringLiteral("both.vnp")));
    touch(folder + QStringLiteral("only-program.vnp"));
    const QString start = elsewhere.path();
    const struct {
        QString request;
        QString expected;
    } cases[] = {
        {QStringLiteral("both.vnp"), QDir(start).absoluteFilePath(QStringLiteral("both.vnp"))},
        {QStringLiteral("\"only-program.vnp\""), folder + QStringLiteral("only-program.vnp")},
        {QStringLiteral("missing.vnp"), QString()},
    };
    for (const auto &c : cases) {
        const StartPlan plan = StartUp::decide(c.request, program.path(), QStringLiteral("varnel"), settings, start);
        EXPECT_EQ(QDir::cleanPath(plan.path), QDir::cleanPath(c.expected)) << c.request.toStdString();
        EXPECT_EQ(plan.projectFolder, folder);
    }
}

TEST_F(StartUpTest, StartUpFlowIsNotLookedUpInTheStartFolder)
{
    writeSettings("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n");
    touch(elsewhere.filePath(QStringLiteral("ana.vnp")));
    const StartPlan plan = StartUp::decide(QString(), program.path(), QStringLiteral("varnel"), settings, elsewhere.path());
    EXPECT_EQ(plan.mode, Mode::FileNotFound);
}

TEST_F(StartUpTest, QuotedRequests)
{
    touch(folder + QStringLiteral("my chart.vnp"));
    StartPlan plan = decide(QStringLiteral("\"my chart.vnp\""));
    EXPECT_EQ(plan.path, folder + QStringLiteral("my chart.vnp"));
    // Without a closing quote the last character belongs to the name.
    plan = decide(QStringLiteral("\"my chart.vnp"));
    EXPECT_EQ(plan.path, folder + QStringLiteral("my chart.vnp"));
    plan = decide(QStringLiteral("\""));
    EXPECT_EQ(plan.mode, Mode::FileNotFound);
    EXPECT_EQ(plan.notFoundMessage, QStringLiteral(" Dosyası\r\nBulunamadı"));
}

TEST_F(StartUpTest, AbsolutePathsAndFolders)
{
    const QString absolute = elsewhere.filePath(QStringLiteral("abs.vnp"));
    touch(absolute);
    EXPECT_EQ(decide(absolute).path, absolute);
    QDir(folder).mkdir(QStringLiteral("Examples"));
    const StartPlan plan = decide(QStringLiteral("Examples"));
    EXPECT_EQ(plan.mode, Mode::EditorWithFile);
    EXPECT_EQ(plan.path, folder + QStringLiteral("Examples"));
}

TEST_F(StartUpTest, StartUpFlowRunsOnlyWithoutACommandLineFile)
{
    writeSettings("ASSOCIATE_IF_REQUIRED=YES\r\nENGLISH\r\n  ana.vnp \r\n");
    touch(folder + QStringLiteral("ana.vnp"));
    touch(folder + QStringLiteral("b.vnp"));
    StartPlan plan = decide(QString());
    EXPECT_EQ(plan.mode, Mode::StartUpFlow);
    EXPECT_EQ(plan.path, folder + QStringLiteral("ana.vnp"));
    EXPECT_FALSE(plan.runAssociation);

    plan = decide(QStringLiteral("b.vnp"));
    EXPECT_EQ(plan.mode, Mode::EditorWithFile);
    EXPECT_EQ(plan.path, folder + QStringLiteral("b.vnp"));
}

TEST_F(StartUpTest, MissingStartUpFlowIsNotFound)
{
    writeSettings("ASSOCIATE_IF_REQUIRED=YES\r\nENGLISH\r\ngone.vnp\r\n");
    const StartPlan plan = decide(QString());
    EXPECT_EQ(plan.mode, Mode::FileNotFound);
    EXPECT_EQ(plan.notFoundMessage, QStringLiteral("gone.vnp Dosyası\r\nBulunamadı"));
    EXPECT_FALSE(plan.runAssociation);
}

TEST(StartUpRequest, ArgumentsMakeOneRequest)
{
    EXPECT_EQ(StartUp::requestFromArguments({}), QString());
    EXPECT_EQ(StartUp::requestFromArguments({QStringLiteral(" a b.vnp")}), QStringLiteral(" a b.vnp"));
    EXPECT_EQ(StartUp::requestFromArguments({QStringLiteral("my"), QStringLiteral("chart.vnp")}),
              QStringLiteral("my chart.vnp"));
}
