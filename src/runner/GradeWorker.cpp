#include "runner/GradeWorker.h"

#include "exercise/ChartGrader.h"
#include "exercise/ExerciseReader.h"
#include "exercise/LocaleName.h"
#include "interp/Numbers.h"
#include "runner/GradeMessages.h"

#include <cstdio>
#include <cstdlib>

int GradeWorker::exec()
{
    ExerciseReader reader;
    const std::optional<Exercise> exercise = reader.readFile(m_exercisePath);
    if (!exercise) {
        std::fprintf(stderr, "%s\n", reader.message().toUtf8().constData());
        return 2;
    }
    Numbers::useLocale(LocaleName::parse(exercise->locale).value_or(QLocale()));
    const ChartGrader grader(*exercise);
    char *buffer = nullptr;
    size_t capacity = 0;
    ssize_t length = 0;
    while ((length = getline(&buffer, &capacity, stdin)) > 0) {
        const std::optional<GradeMessages::Request> request =
            GradeMessages::readRequest(QByteArray(buffer, qsizetype(length)));
        if (!request)
            continue;
        grader.gradeFrom(request->chart, request->from, [](int index, const TestResult &result) {
            const QByteArray line = GradeMessages::answer(index, result);
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        });
    }
    std::free(buffer);
    return 0;
}
