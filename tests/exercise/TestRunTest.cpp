#include "exercise/ChartGrader.h"
#include "exercise/TestRun.h"

#include "exercise/Printers.h"
#include "interp/ChartBuilder.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;
using ChartTest::ChartFolder;
using ChartTest::LocaleScope;
using Ending = TestResult::Ending;

// Charts that students might hand in for "read n, print 1 + 2 + ... + n", each written to a folder.
class TestRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        exercise.seconds = 5;
        exercise.maxBlocks = 100000;
        write("toplam.vnp", [](ChartBuilder &c) {
            const QString start = c.add("START");
            const QString read = c.add("INPUT", "n", "n");
            const QString zero = c.add("DEFINITION", "toplam", "0");
            const QString first = c.add("DEFINITION", "i", "0");
            const QString join = c.add("INTERSECTION");
            const QString next = c.add("ADD", "i", "1", "i");
            const QString add = c.add("ADD", "toplam", "i", "toplam");
            const QString test = c.add("IF_LESS", "i", "n");
            const QString print = c.add("OUTPUT", "Toplam =", "toplam");
            const QString stop = c.add("STOP");
            c.link(start, read);
            c.link(read, zero);
            c.link(zero, first);
            c.link(first, join);
            c.link(join, next);
            c.link(next, add);
            c.link(add, test);
            c.link(test, join, "EVET");
            c.link(test, print, "HAYIR");
            c.link(print, stop);
        });
    }

    void write(const char *fileName, const std::function<void(ChartBuilder &)> &build)
    {
        ASSERT_TRUE(folder.write(QString::fromUtf8(fileName), build)) << fileName;
    }
    void write(const char *fileName, std::initializer_list<ChartTest::Step> steps)
    {
        ASSERT_TRUE(folder.write(QString::fromUtf8(fileName), steps)) << fileName;
    }

    // Counts for ever.
    void writeLoop()
    {
        write("dongu.vnp", [](ChartBuilder &c) {
            const QString start = c.add("START");
            const QString zero = c.add("DEFINITION", "i", "0");
            const QString join = c.add("INTERSECTION");
            const QString add = c.add("ADD", "i", "1", "i");
            c.link(start, zero);
            c.link(zero, join);
            c.link(join, add);
            c.link(add, join);
        });
    }

    static ExerciseTest sumTest(const char *n, const char *line)
    {
        ExerciseTest test;
        test.name = QStringLiteral("toplam ") + QString::fromUtf8(n);
        test.input = {QString::fromUtf8(n)};
        test.expected = {QString::fromUtf8(line)};
        return test;
    }

    TestResult run(const char *fileName, const ExerciseTest &test)
    {
        return TestRun(exercise, test).exec(folder.path(QString::fromUtf8(fileName)));
    }

    LocaleScope locale{QLocale(QStringLiteral("tr_TR"))};
    ChartFolder folder;
    Exercise exercise;
};

TEST_F(TestRunTest, ARightChartPasses)
{
    ExerciseTest test = sumTest("5", "Toplam = 15");
    test.hidden = true;
    const TestResult result = run("toplam.vnp", test);
    EXPECT_EQ(result.ending, Ending::Passed) << result.reason.toStdString();
    EXPECT_TRUE(result.passed());
    EXPECT_TRUE(result.reason.isEmpty());
    EXPECT_EQ(result.name, QStringLiteral("toplam 5"));
    EXPECT_TRUE(result.hidden);
    EXPECT_FALSE(result.difference);
}

TEST_F(TestRunTest, OtherLinesFailWithTheFirstDifference)
{
    const TestResult result = run("toplam.vnp", sumTest("5", "Toplam = 16"));
    EXPECT_EQ(result.ending, Ending::Different);
    ASSERT_TRUE(result.difference);
    EXPECT_EQ(result.difference->line, 1);
    EXPECT_EQ(result.difference->got, QStringLiteral("Toplam = 15"));
    EXPECT_EQ(result.reason, QStringLiteral("çıktı farklı: satır 1: beklenen \"Toplam = 16\", gelen \"Toplam = 15\""));
}

TEST_F(TestRunTest, OutputLinesLeaveInputRowsOutAndTheTranscriptKeepsThem)
{
    ExerciseTest test = sumTest("3", "Toplam = 6");
    EXPECT_TRUE(run("toplam.vnp", test).passed());
    test.wholeTranscript = true;
    EXPECT_EQ(run("toplam.vnp", test).ending, Ending::Different);
    test.expected = {QStringLiteral("n >3"), QStringLiteral("Toplam = 6")};
    EXPECT_TRUE(run("toplam.vnp", test).passed()) << run("toplam.vnp", test).reason.toStdString();
}

TEST_F(TestRunTest, TheTestsCompareModeDecides)
{
    ExerciseTest test = sumTest("4", "  toplam = 10.0 ");
    EXPECT_EQ(run("toplam.vnp", test).ending, Ending::Different);
    test.compare = CompareMode::Trim;
    EXPECT_EQ(run("toplam.vnp", test).ending, Ending::Different);
    test.compare = CompareMode::NoCase;
    EXPECT_EQ(run("toplam.vnp", test).ending, Ending::Different);
    test.compare = CompareMode::Numbers;
    EXPECT_EQ(run("toplam.vnp", test).ending, Ending::Different) << "letter case still counts";
    test.expected = {QStringLiteral("  Toplam = 10.0 ")};
    EXPECT_TRUE(run("toplam.vnp", test).passed());
}

struct StopCase {
    const char *what;
    std::vector<ChartTest::Step> steps; // one chain
    QStringList input;
    Ending ending;
    const char *reason; // the start of the reason
};

TEST_F(TestRunTest, EachWayARunGoesWrongIsStoppedAndNamed)
{
    exercise.seconds = 0.5;
    const std::vector<StopCase> cases{
        {"input runs out", {{"START"}, {"INPUT", "a", "a"}, {"INPUT", "b", "b"}, {"OUTPUT", "", "b"}, {"STOP"}},
         {QStringLiteral("1")}, Ending::InputEnded, "girdi bitti"},
        {"run-time error", {{"START"}, {"DIVIDE", "1", "0", "x"}, {"STOP"}}, {}, Ending::Error, "hata: Kaynak: "},
        {"missing called chart", {{"START"}, {"FUNCTION", "yok", "1", "x"}, {"STOP"}}, {}, Ending::Error,
         "hata: Fonksiyon yüklenemiyor: yok"},
        {"no END reached", {{"START"}, {"OUTPUT", "a"}}, {}, Ending::Error, "hata: Nesne: id2 - BAĞLI DEĞİL!"},
        {"window", {{"START"}, {"WINDOW"}, {"STOP"}}, {}, Ending::Error,
         "hata: Nesne: id2 - pencere açan şemalar alıştırma testlerinde çalıştırılamaz."},
    };
    for (const StopCase &c : cases) {
        const std::vector<ChartTest::Step> steps = c.steps;
        write("durum.vnp", [&steps](ChartBuilder &chart) {
            QString previous;
            for (const ChartTest::Step &step : steps) {
                const QString tag = chart.addStep(step);
                if (!previous.isEmpty())
                    chart.link(previous, tag);
                previous = tag;
            }
        });
        ExerciseTest test;
        test.name = QString::fromUtf8(c.what);
        test.input = c.input;
        const TestResult result = run("durum.vnp", test);
        EXPECT_EQ(result.ending, c.ending) << c.what << ": " << result.reason.toStdString();
        EXPECT_TRUE(result.reason.startsWith(QString::fromUtf8(c.reason))) << c.what << ": " << result.reason.toStdString();
    }
}

TEST_F(TestRunTest, LoopsAreStoppedByTheBlockLimitOrTheClock)
{
    writeLoop();
    exercise.seconds = 60;
    const TestResult blocks = run("dongu.vnp", ExerciseTest{});
    EXPECT_EQ(blocks.ending, Ending::BlockLimit);
    EXPECT_EQ(blocks.reason, QStringLiteral("blok sınırı"));

    exercise.seconds = 0.3;
    exercise.maxBlocks = Exercise::DefaultMaxBlocks * 1000;
    const TestResult clock = run("dongu.vnp", ExerciseTest{});
    EXPECT_EQ(clock.ending, Ending::TimeLimit);
    EXPECT_EQ(clock.reason, QStringLiteral("süre aşıldı"));
}

TEST_F(TestRunTest, EndlessOutputIsStoppedByTheOutputLimit)
{
    write("uzun.vnp", [](ChartBuilder &c) {
        const QString start = c.add("START");
        const QString first = c.add("DEFINITION", "s", "\"ab\"");
        const QString join = c.add("INTERSECTION");
        const QString print = c.add("OUTPUT", "", "s");
        const QString twice = c.add("JOIN", "s", "s", "s");
        c.link(start, first);
        c.link(first, join);
        c.link(join, print);
        c.link(print, twice);
        c.link(twice, join);
    });
    const TestResult result = run("uzun.vnp", ExerciseTest{});
    EXPECT_EQ(result.ending, Ending::OutputLimit);
    EXPECT_EQ(result.reason, QStringLiteral("çıktı sınırı"));
}

TEST_F(TestRunTest, CalledChartsComeFromTheChartsFolder)
{
    write("kare.vnp", {{"START"}, {"MULTIPLY", "PARAM", "PARAM", "RETURN"}, {"STOP"}});
    write("ana.vnp", {{"START"}, {"INPUT", "x", "x"}, {"FUNCTION", "kare", "x", "y"}, {"OUTPUT", "", "y"}, {"STOP"}});
    ExerciseTest test;
    test.input = {QStringLiteral("7")};
    test.expected = {QStringLiteral("49")};
    const TestResult result = run("ana.vnp", test);
    EXPECT_TRUE(result.passed()) << result.reason.toStdString();
}

TEST_F(TestRunTest, AFileThatIsNoChartIsNotLoaded)
{
    const TestResult missing = run("yok.vnp", ExerciseTest{});
    EXPECT_EQ(missing.ending, Ending::NotLoaded);
    EXPECT_EQ(missing.reason, QStringLiteral("yüklenemedi: dosya bulunamadı"));

    QFile text(folder.path(QStringLiteral("metin.vnp")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("merhaba\n");
    text.close();
    const TestResult notAChart = run("metin.vnp", ExerciseTest{});
    EXPECT_EQ(notAChart.ending, Ending::NotLoaded);
    EXPECT_EQ(notAChart.reason, QStringLiteral("yüklenemedi: Bu Bir Flow Chart Dosyası Değil!"));
}

TEST_F(TestRunTest, TheGraderRunsEveryTestAndGivesUpEarlyOnAnUnreadableChart)
{
    exercise.tests = {sumTest("1", "Toplam = 1"), sumTest("10", "Toplam = 55"), sumTest("3", "Toplam = 7")};
    const ChartGrade grade = ChartGrader(exercise).grade(folder.path(QStringLiteral("toplam.vnp")), QStringLiteral("ali"));
    EXPECT_EQ(grade.chart, QStringLiteral("ali"));
    EXPECT_EQ(grade.total(), 3);
    EXPECT_EQ(grade.passed(), 2);
    ASSERT_NE(grade.firstFailure(), nullptr);
    EXPECT_EQ(grade.firstFailure()->name, QStringLiteral("toplam 3"));
    EXPECT_TRUE(grade.graded());

    const ChartGrade missing = ChartGrader(exercise).grade(folder.path(QStringLiteral("yok.vnp")), QStringLiteral("yok"));
    EXPECT_FALSE(missing.graded());
    ASSERT_EQ(missing.total(), 3);
    EXPECT_EQ(missing.tests[2].name, QStringLiteral("toplam 3"));
    EXPECT_EQ(missing.tests[2].ending, Ending::NotLoaded);
}

// The in-program check runs tests on a worker thread and calls them off when the chart changes.
TEST_F(TestRunTest, RunsOnAWorkerThreadAndCanBeCalledOff)
{
    writeLoop();
    exercise.seconds = 60;
    exercise.maxBlocks = Exercise::DefaultMaxBlocks * 1000;
    exercise.tests = {sumTest("4", "Toplam = 10"), ExerciseTest{}};
    std::atomic_bool cancel = false;
    std::atomic_bool sumDone = false;
    ChartGrade sum;
    ChartGrade loop;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        sum = ChartGrader(exercise, &cancel).grade(folder.path(QStringLiteral("toplam.vnp")), QString());
        sumDone = true;
        loop = ChartGrader(exercise, &cancel).grade(folder.path(QStringLiteral("dongu.vnp")), QString());
    }));
    worker->start();
    while (!sumDone && !worker->isFinished())
        QThread::msleep(10);
    QThread::msleep(100); // the loop is under way by now, or about to start: called off either way
    cancel = true;
    ASSERT_TRUE(worker->wait(30000));
    ASSERT_EQ(sum.total(), 2);
    EXPECT_TRUE(sum.tests[0].passed()) << sum.tests[0].reason.toStdString();
    ASSERT_EQ(loop.total(), 2);
    EXPECT_EQ(loop.tests[0].ending, Ending::Cancelled);
    EXPECT_EQ(loop.tests[1].ending, Ending::Cancelled);
    EXPECT_EQ(loop.tests[1].reason, QStringLiteral("durduruldu"));
}

} // namespace
