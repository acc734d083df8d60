#include "exercise/ReferenceFill.h"

#include "exercise/LocaleName.h"
#include "exercise/TestRun.h"
#include "interp/Numbers.h"

QStringList ReferenceFill::fill(Exercise &exercise, const QString &referencePath)
{
    const Numbers::ThreadLocale locale(LocaleName::parse(exercise.locale).value_or(QLocale()));
    QStringList problems;
    for (ExerciseTest &test : exercise.tests) {
        TestRun run(exercise, test);
        const TestResult result = run.exec(referencePath);
        if (result.passed() || result.ending == TestResult::Ending::Different)
            test.expected = run.printed();
        else
            problems.append(u'“' + test.name + QStringLiteral("” testi: ") + result.reason);
    }
    return problems;
}
