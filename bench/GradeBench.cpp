// Grading: the in-program check (ten tests of about 10^4 executed blocks each on one chart, in
// this process, a fresh interpreter per test) and a class of a hundred such charts graded by
// varnel-run --grade with one, two and four jobs.

#include "BenchCharts.h"

#include "exercise/ChartGrader.h"
#include "interp/Numbers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Tests = 10;
constexpr int Charts = 100;
// The loop runs four blocks an iteration (the intersection, the condition, two additions):
// 2,500 iterations are 10^4 blocks.
constexpr int Iterations = 2500;

using Kind = ChartBuilder::Kind;

// Reads n, adds 1 to n, prints "Toplam = " and the sum.
bool writeSumChart(const QString &path)
{
    ChartBuilder c;
    const QString start = c.block(Kind::Start, QStringLiteral("START"));
    const QString read = c.block(Kind::Output, QStringLiteral("INPUT"), QStringLiteral("n"), QStringLiteral("n"));
    const QString zero = c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("t"), QStringLiteral("0"));
    const QString first = c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0"));
    const QString join = c.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString test = c.block(Kind::Condition, QStringLiteral("IF_LESS"), QStringLiteral("i"), QStringLiteral("n"));
    const QString next = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"),
                                 QStringLiteral("i"));
    const QString add = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("t"), QStringLiteral("i"),
                                QStringLiteral("t"));
    const QString print = c.block(Kind::Output, QStringLiteral("OUTPUT"), QStringLiteral("Toplam ="), QStringLiteral("t"));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, read);
    c.line(read, zero);
    c.line(zero, first);
    c.line(first, join);
    c.line(join, test);
    c.line(test, next, QStringLiteral("EVET"));
    c.line(next, add);
    c.line(add, join);
    c.line(test, print, QStringLiteral("HAYIR"));
    c.line(print, stop);
    return c.save(path);
}

// Ten tests: n = 2,491 ... 2,500.
Exercise sumExercise()
{
    Exercise exercise;
    exercise.title = QStringLiteral("Toplam");
    for (int k = 0; k < Tests; ++k) {
        const qint64 n = Iterations - k;
        ExerciseTest test;
        test.name = QStringLiteral("n = ") + QString::number(n);
        test.input = {QString::number(n)};
        test.expected = {QStringLiteral("Toplam = ") + QString::number(n * (n + 1) / 2)};
        exercise.tests.append(test);
    }
    return exercise;
}

QByteArray exerciseFile(const Exercise &exercise)
{
    QByteArray json = "{ \"title\": \"Toplam\", \"tests\": [\n";
    for (const ExerciseTest &test : exercise.tests) {
        json += "  { \"name\": \"" + test.name.toUtf8() + "\", \"input\": [\"" + test.input.first().toUtf8()
            + "\"], \"output\": [\"" + test.expected.first().toUtf8() + "\"] }";
        json += &test == &exercise.tests.back() ? "\n" : ",\n";
    }
    return json + "] }\n";
}

void check(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("toplam.vnp"));
    if (!writeSumChart(chart)) {
        state.SkipWithError("the chart could not be written");
        return;
    }
    const Exercise exercise = sumExercise();
    const ChartGrader grader(exercise);
    for (auto _ : state) {
        const ChartGrade grade = grader.grade(chart, QStringLiteral("toplam"));
        if (grade.passed() != Tests) {
            state.SkipWithError(("a test failed: " + grade.firstFailure()->reason.toStdString()).c_str());
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Tests);
    state.SetLabel("items/s = tests/s");
}

void gradeClass(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sinif"));
    const QString exercisePath = dir.filePath(QStringLiteral("toplam.vnx"));
    QFile file(exercisePath);
    const bool written = QDir().mkpath(folder) && file.open(QIODevice::WriteOnly)
        && file.write(exerciseFile(sumExercise())) > 0 && file.flush()
        && writeSumChart(folder + QStringLiteral("/ogrenci000.vnp"));
    file.close();
    for (int i = 1; written && i < Charts; ++i) {
        QFile::copy(folder + QStringLiteral("/ogrenci000.vnp"),
                    folder + QStringLiteral("/ogrenci%1.vnp").arg(i, 3, 10, QLatin1Char('0')));
    }
    if (!written) {
        state.SkipWithError("the class could not be written");
        return;
    }
    const QString everyTest = QStringLiteral("%1/%1 test").arg(Charts * Tests);
    for (auto _ : state) {
        QProcess grader;
        grader.start(QStringLiteral(VARNEL_RUN_PATH),
                     {QStringLiteral("--grade"), exercisePath, QStringLiteral("--jobs"),
                      QString::number(state.range(0)), folder});
        if (!grader.waitForFinished(120000) || grader.exitCode() != 0
            || !QString::fromUtf8(grader.readAllStandardOutput()).contains(everyTest)) {
            state.SkipWithError("the class was not graded in full");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Charts * Tests);
    state.SetLabel("items/s = tests/s");
}

} // namespace

BENCHMARK(check)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(gradeClass)->ArgName("jobs")->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
