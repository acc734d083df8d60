#include "exercise/ExerciseWriter.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStringList>

namespace {

// A JSON string or number, as the one element of a compact array shows it.
QByteArray jsonValue(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray jsonLines(const QStringList &lines)
{
    QByteArrayList items;
    for (const QString &line : lines)
        items.append(jsonValue(line));
    return '[' + items.join(", ") + ']';
}

const char *compareName(CompareMode mode)
{
    switch (mode) {
    case CompareMode::Trim:
        return "trim";
    case CompareMode::NoCase:
        return "nocase";
    case CompareMode::Numbers:
        return "numbers";
    default:
        return "exact";
    }
}

QByteArray testLine(const ExerciseTest &test)
{
    QByteArray line = "    { \"name\": " + jsonValue(test.name) + ", \"input\": " + jsonLines(test.input) + ", \""
        + (test.wholeTranscript ? "transcript" : "output") + "\": " + jsonLines(test.expected);
    if (test.hidden)
        line += ", \"hidden\": true";
    if (test.compare != CompareMode::Exact)
        line += ", \"compare\": \"" + QByteArray(compareName(test.compare)) + '"';
    return line + " }";
}

} // namespace

QByteArray ExerciseWriter::toJson(const Exercise &exercise)
{
    QByteArray out = "{\n  \"title\": " + jsonValue(exercise.title) + ",\n  \"text\": " + jsonValue(exercise.text) + ",\n";
    if (exercise.locale != Exercise().locale)
        out += "  \"locale\": " + jsonValue(exercise.locale) + ",\n";
    if (exercise.maxBlocks != Exercise::DefaultMaxBlocks)
        out += "  \"maxBlocks\": " + QByteArray::number(exercise.maxBlocks) + ",\n";
    if (exercise.seconds != Exercise::DefaultSeconds)
        out += "  \"seconds\": " + jsonValue(exercise.seconds) + ",\n";
    QByteArrayList tests;
    for (const ExerciseTest &test : exercise.tests)
        tests.append(testLine(test));
    return out + "  \"tests\": [\n" + tests.join(",\n") + "\n  ]\n}\n";
}

bool ExerciseWriter::writeFile(const QString &path, const Exercise &exercise, QString &failure)
{
    const QByteArray bytes = toJson(exercise);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    failure = QStringLiteral("Alıştırma kaydedilemedi: ") + QDir::toNativeSeparators(path) + u'\n' + file.errorString();
    return false;
}
