#include "exercise/ExerciseCheck.h"

#include "exercise/Printers.h"
#include "interp/ChartBuilder.h"
#include "project/ProjectFileWriter.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <limits>

namespace {

using ChartTest::ChartBuilder;
using ChartTest::LocaleScope;
using Ending = TestResult::Ending;

// The chart as the editor hands it over: its project file, saved nowhere.
QByteArray chartBytes(std::initializer_list<ChartTest::Step> steps)
{
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(true);
    ChartBuilder(project).chain(steps);
    return ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
}

ExerciseTest test(const char *name, const QStringList &input, const QStringList &expected, bool hidden = false)
{
    ExerciseTest t;
    t.name = QString::fromUtf8(name);
    t.input = input;
    t.expected = expected;
    t.hidden = hidden;
    return t;
}

// What a check told, in the order it told it.
struct Told {
    QList<int> indexes;
    QList<TestResult> results;
    std::optional<bool> cancelled;

    explicit Told(ExerciseCheck &check)
    {
        QObject::connect(&check, &ExerciseCheck::testFinished, [this](int index, const TestResult &result) {
            indexes.append(index);
            results.append(result);
        });
        QObject::connect(&check, &ExerciseCheck::finished, [this](bool c) { cancelled = c; });
    }

    void waitForEnd(ExerciseCheck &check)
    {
        QEventLoop loop;
        QObject::connect(&check, &ExerciseCheck::finished, &loop, &QEventLoop::quit);
        if (!cancelled)
            loop.exec();
    }
};

// Halves what it reads: the exercise is checked with Turkish numbers.
const std::initializer_list<ChartTest::Step> halving{
    {"START"}, {"INPUT", "Sayı", "x"}, {"DIVIDE", "x", "2", "y"}, {"OUTPUT", "Yarısı", "y"}, {"STOP"}};

TEST(ExerciseCheckTest, RunsEveryTestOnTheChartAsEditedAndTellsEachInOrder)
{
    Exercise exercise;
    exercise.tests = {test("beş", {"5"}, {"Yarısı 2,5"}), test("yanlış", {"4"}, {"Yarısı 3"}),
                      test("gizli", {"9"}, {"Yarısı 4,5"}, true), test("gizli yanlış", {"1"}, {"Yarısı 1"}, true),
                      test("girdisiz", {}, {"Yarısı 0"})};
    ExerciseCheck check;
    Told told(check);
    check.start(exercise, QString(), chartBytes(halving));
    EXPECT_TRUE(check.isRunning());
    told.waitForEnd(check);

    EXPECT_EQ(told.cancelled, std::optional<bool>(false));
    EXPECT_FALSE(check.isRunning());
    EXPECT_EQ(told.indexes, (QList<int>{0, 1, 2, 3, 4}));
    const Ending expected[] = {Ending::Passed, Ending::Different, Ending::Passed, Ending::Different, Ending::InputEnded};
    for (int i = 0; i < told.results.size(); ++i) {
        EXPECT_EQ(told.results[i].ending, expected[i]) << i;
        EXPECT_EQ(told.results[i].hidden, exercise.tests[i].hidden) << i;
    }
    ASSERT_TRUE(told.results[1].difference.has_value());
    EXPECT_EQ(told.results[1].difference->got, std::optional<QString>(QStringLiteral("Yarısı 2")));
}

// The check reads and writes numbers by the exercise's settings on its own thread; the
// program's run beside it keeps its own.
TEST(ExerciseCheckTest, TheExercisesRegionalSettingsStayOnTheCheckingThread)
{
    const LocaleScope english(QLocale(QStringLiteral("en_US")));
    Exercise exercise;
    exercise.locale = QStringLiteral("tr_TR");
    for (int i = 0; i < 20; ++i)
        exercise.tests.append(test("beş", {"5"}, {"Yarısı 2,5"}));
    ExerciseCheck check;
    Told told(check);
    QStringList formattedMeanwhile;
    QObject::connect(&check, &ExerciseCheck::testFinished, [&] { formattedMeanwhile.append(Numbers::format(2.5)); });
    check.start(exercise, QString(), chartBytes(halving));
    told.waitForEnd(check);

    ASSERT_EQ(told.results.size(), 20);
    for (const TestResult &result : told.results)
        EXPECT_TRUE(result.passed()) << result.reason.toStdString();
    EXPECT_EQ(formattedMeanwhile, QStringList(20, QStringLiteral("2.5")));
    EXPECT_EQ(Numbers::format(2.5), QStringLiteral("2.5"));
    double read = 0;
    EXPECT_FALSE(Numbers::parse(u"2,5", read));
}

TEST(ExerciseCheckTest, CancellingStopsTheLoopingTestAndTellsNoMoreThenANewCheckRuns)
{
    Exercise exercise;
    exercise.seconds = 60;
    // No block limit an optimised build could reach before the cancel.
    exercise.maxBlocks = std::numeric_limits<qint64>::max();
    exercise.tests = {test("sonsuz", {}, {"hiç"}), test("ikinci", {}, {"hiç"})};
    const QByteArray looping = [] {
        MessageLog log;
        Project project(&log);
        project.setTrackCurrentBlock(true);
        ChartBuilder c(project);
        const QStringList tags = c.chain({{"START"}, {"DEFINITION", "i", "0"}, {"INTERSECTION"}, {"ADD", "i", "1", "i"}});
        c.link(tags[3], tags[2]);
        return ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
    }();
    ExerciseCheck check;
    Told told(check);
    check.start(exercise, QString(), looping);
    QEventLoop wait;
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    check.cancel();
    EXPECT_EQ(told.cancelled, std::optional<bool>(true));
    EXPECT_FALSE(check.isRunning());
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_TRUE(told.results.isEmpty());

    told.cancelled.reset();
    exercise.tests = {test("beş", {"5"}, {"Yarısı 2,5"})};
    check.start(exercise, QString(), chartBytes(halving));
    told.waitForEnd(check);
    ASSERT_EQ(told.results.size(), 1);
    EXPECT_TRUE(told.results[0].passed());
}

} // namespace
