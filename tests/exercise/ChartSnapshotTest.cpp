#include "exercise/ChartSnapshot.h"
#include "exercise/TestRun.h"

#include "exercise/Printers.h"
#include "interp/ChartBuilder.h"
#include "project/ProjectFileWriter.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;
using ChartTest::ChartFolder;

// The check runs the chart on screen, edits and all, without saving it.
class ChartSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(folder.write(QStringLiteral("kare.vnp"), {{"START"}, {"FUNCTION", "Artı", "PARAM", "RETURN"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("artı.vnp"), {{"START"}, {"ADD", "PARAM", "1", "RETURN"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("baska.vnp"), {{"START"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("ana.vnp"), {{"START"}, {"OUTPUT", "kaydedilmiş"}, {"STOP"}}));
        saved = QDir(folder.folder()).entryList(QDir::Files);
    }

    // The edited chart as the editor would hand it over: its project file, not saved.
    static QByteArray edited()
    {
        MessageLog log;
        Project project(&log);
        project.setTrackCurrentBlock(true);
        ChartBuilder chart(project);
        chart.chain({{"START"}, {"INPUT", "x", "x"}, {"FUNCTION", "kare", "x", "y"}, {"OUTPUT", "düzenlenmiş", "y"}, {"STOP"}});
        return ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
    }

    ChartFolder folder;
    QStringList saved;
};

TEST_F(ChartSnapshotTest, RunsTheEditedChartWithTheChartsItCallsAndWritesNothingBesideIt)
{
    const ChartSnapshot snapshot(folder.path(QStringLiteral("ana.vnp")), edited());
    ASSERT_TRUE(snapshot.isValid());
    EXPECT_EQ(QFileInfo(snapshot.path()).fileName(), QStringLiteral("ana.vnp"));
    EXPECT_NE(QFileInfo(snapshot.path()).absolutePath(), QDir(folder.folder()).absolutePath());
    Exercise exercise;
    ExerciseTest test;
    test.input = {QStringLiteral("6")};
    test.expected = {QStringLiteral("düzenlenmiş 7")};
    const TestResult result = TestRun(exercise, test).exec(snapshot.path());
    EXPECT_TRUE(result.passed()) << result.reason.toStdString();
    // Only what the chart calls, directly or not, came along.
    EXPECT_EQ(QDir(QFileInfo(snapshot.path()).absolutePath()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("ana.vnp"), QStringLiteral("artı.vnp"), QStringLiteral("kare.vnp")}));
    EXPECT_EQ(QDir(folder.folder()).entryList(QDir::Files), saved);
}

TEST_F(ChartSnapshotTest, AnUntitledChartRunsOnItsOwn)
{
    const ChartSnapshot snapshot(QString(), edited());
    ASSERT_TRUE(snapshot.isValid());
    ExerciseTest test;
    test.input = {QStringLiteral("6")};
    const TestResult result = TestRun(Exercise{}, test).exec(snapshot.path());
    EXPECT_EQ(result.reason, QStringLiteral("hata: Fonksiyon yüklenemiyor: kare"));
}

} // namespace
