#include "shell/MakeExecutable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Makes a program from the desktop program built beside this test, for a chart, in a folder
// of its own, and starts it there without arguments, from elsewhere, with a home of its own.
class MadeProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "the desktop program is not built";
    }
    void TearDown() override
    {
        process.kill();
        process.waitForFinished(5000);
    }

    void makeAndStart(const QByteArray &chart)
    {
        QFile flow(charts.filePath(QStringLiteral("ana.vnp")));
        ASSERT_TRUE(flow.open(QIODevice::WriteOnly) && flow.write(chart) == chart.size());
        flow.close();
        const MakeExecutable::Result result = MakeExecutable(program).make(flow.fileName(), made);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(name), home.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QDir::rootPath());
        process.start(made, {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/varnel");
    QTemporaryDir charts, folder, home;
    const QString made = folder.filePath(QStringLiteral("Program1"));
    QProcess process;
};

} // namespace

TEST_F(MadeProgramTest, RunsItsChartAtOnceAndEndsWithIt)
{
    // Hello with its OUTPUT turned into a definition: the run never opens the console.
    QFile hello(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/test00_hello.vnp"));
    ASSERT_TRUE(hello.open(QIODevice::ReadOnly));
    QByteArray chart = hello.readAll();
    chart.replace("OUTPUT\r\nMerhaba D\xfcnya\r\n\r\n", "DEFINITION\r\nx\r\n1\r\n");
    makeAndStart(chart);
    ASSERT_TRUE(process.waitForFinished(60000)) << "the made program did not end";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // Nothing of the user's was touched: no file-type association from a made program.
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// A copy is the whole desktop program: what it links is what the README tells a user to install.
TEST_F(MadeProgramTest, TheReadmeNamesEveryQtLibraryACopyNeeds)
{
    QFile flow(charts.filePath(QStringLiteral("ana.vnp")));
    ASSERT_TRUE(flow.open(QIODevice::WriteOnly));
    flow.close();
    ASSERT_TRUE(MakeExecutable(program).make(flow.fileName(), made).ok);
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {made});
    if (!ldd.waitForStarted())
        GTEST_SKIP() << "ldd is not installed";
    ASSERT_TRUE(ldd.waitForFinished(30000));
    QFile readme(QStringLiteral(VARNEL_SOURCE_DATA "/../README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("\"EXE Yap...\" makes a stand-alone copy"));
    ASSERT_GE(start, 0);
    const QString paragraph = text.mid(start, text.indexOf(QStringLiteral("\n\n"), start) - start);
    QStringList modules;
    const QRegularExpression library(QStringLiteral("libQt6(\\w+)\\.so"));
    for (auto match = library.globalMatch(QString::fromLocal8Bit(ldd.readAllStandardOutput())); match.hasNext();)
        modules.append(match.next().captured(1));
    EXPECT_TRUE(modules.contains(QStringLiteral("Svg")));
    for (const QString &module : modules)
        EXPECT_TRUE(paragraph.contains(module)) << module.toStdString() << " is not named in the README";
    // The platform plugin is loaded, not linked: the README names it all the same.
    EXPECT_TRUE(paragraph.contains(QStringLiteral("xcb")));
}
