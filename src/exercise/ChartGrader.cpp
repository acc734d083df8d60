#include "exercise/ChartGrader.h"

#include "exercise/TestRun.h"

ChartGrader::ChartGrader(const Exercise &exercise, const std::atomic_bool *cancel)
    : m_exercise(exercise), m_cancel(cancel)
{
}

ChartGrade ChartGrader::grade(const QString &chartPath, const QString &chartName) const
{
    ChartGrade grade;
    grade.chart = chartName;
    gradeFrom(chartPath, 0, [&grade](int, const TestResult &result) {
        grade.tests.append(result);
        grade.seconds += result.seconds;
    });
    return grade;
}

void ChartGrader::gradeFrom(const QString &chartPath, int first, const Progress &progress) const
{
    std::optional<TestResult> unreadable;
    for (int i = qMax(0, first); i < m_exercise.tests.size(); ++i) {
        const ExerciseTest &test = m_exercise.tests[i];
        TestResult result;
        if (unreadable) {
            result = *unreadable;
            result.name = test.name;
            result.hidden = test.hidden;
            result.seconds = 0;
        } else {
            result = TestRun(m_exercise, test, m_cancel).exec(chartPath);
            if (result.ending == TestResult::Ending::NotLoaded)
                unreadable = result;
        }
        progress(i, result);
    }
}
