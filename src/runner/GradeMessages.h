#pragma once

#include "exercise/TestResult.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The lines the grading parent and its worker processes exchange, one JSON object a line:
// the parent asks for a chart's tests from an index on, the worker answers one line per test.
namespace GradeMessages {

struct Request {
    QString chart;
    int from = 0;
};

struct Answer {
    int index = 0;
    TestResult::Ending ending = TestResult::Ending::Passed;
    QString reason;
    double seconds = 0;
};

QByteArray request(const Request &request);
std::optional<Request> readRequest(const QByteArray &line);
QByteArray answer(int index, const TestResult &result);
std::optional<Answer> readAnswer(const QByteArray &line);

} // namespace GradeMessages
