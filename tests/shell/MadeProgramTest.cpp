#include "shell/MakeExecutable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The desktop program as built beside this test program.
QString builtProgram()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/varnel"));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The hello example with its OUTPUT block turned into a definition: a chart that runs to its
// end without opening the console, so the made program ends by itself.
QByteArray quietChart()
{
    QByteArray chart = contents(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/test00_hello.vnp"));
    chart.replace("91       \t <--TYPE", "0       \t <--TYPE");
    chart.replace("OUTPUT\r\nMerhaba D\xfcnya\r\n\r\n", "DEFINITION\r\nx\r\n1\r\n");
    return chart;
}

class MadeProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(builtProgram()).isExecutable())
            GTEST_SKIP() << "the desktop program is not built";
    }

    // Makes a program for the chart in a folder of its own and starts it there with no
    // arguments, from another folder, with a home of its own.
    void makeAndStart(const QByteArray &chart)
    {
        const QString flow = charts.filePath(QStringLiteral("ana.vnp"));
        QFile file(flow);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(chart);
        file.close();
        const QString made = folder.filePath(QStringLiteral("Program1"));
        const MakeExecutable::Result result = MakeExecutable(builtProgram()).make(flow, made);
        ASSERT_TRUE(result.ok) << result.error.toStdString();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QDir::rootPath());
        process.start(made, {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    QTemporaryDir charts;
    QTemporaryDir folder;
    QTemporaryDir home;
    QProcess process;
};

} // namespace

TEST_F(MadeProgramTest, RunsItsChartAtOnceAndEndsWithIt)
{
    makeAndStart(quietChart());
    ASSERT_TRUE(process.waitForFinished(60000)) << "the made program did not end";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // Neither the file type nor anything else of the user's was touched.
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("Program1.ini"))),
              QByteArray("ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n"));
}

TEST_F(MadeProgramTest, AChartThatOpensTheConsoleKeepsItOpen)
{
    makeAndStart(contents(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/test00_hello.vnp")));
    EXPECT_FALSE(process.waitForFinished(3000));
}
