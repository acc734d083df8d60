#include "runner/GradeMessages.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace GradeMessages {

namespace {

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(const QByteArray &line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

QByteArray request(const Request &request)
{
    return line({{QStringLiteral("chart"), request.chart}, {QStringLiteral("from"), request.from}});
}

std::optional<Request> readRequest(const QByteArray &text)
{
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object || !object->value(QStringLiteral("chart")).isString())
        return std::nullopt;
    return Request{object->value(QStringLiteral("chart")).toString(), object->value(QStringLiteral("from")).toInt()};
}

QByteArray answer(int index, const TestResult &result)
{
    return line({{QStringLiteral("index"), index},
                 {QStringLiteral("ending"), int(result.ending)},
                 {QStringLiteral("reason"), result.reason},
                 {QStringLiteral("seconds"), result.seconds}});
}

std::optional<Answer> readAnswer(const QByteArray &text)
{
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object)
        return std::nullopt;
    const int ending = object->value(QStringLiteral("ending")).toInt(-1);
    if (ending < int(TestResult::Ending::Passed) || ending > int(TestResult::Ending::Crashed))
        return std::nullopt;
    return Answer{object->value(QStringLiteral("index")).toInt(-1), TestResult::Ending(ending),
                  object->value(QStringLiteral("reason")).toString(), object->value(QStringLiteral("seconds")).toDouble()};
}

} // namespace GradeMessages
