#pragma once

#include "exercise/Exercise.h"
#include "exercise/JsonPlaces.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Reads an exercise file (.vnx): UTF-8 JSON. A teacher writes it by hand, so every fault is
// told with its line and column, all of them at once, and a file with any fault gives no
// exercise at all.
class ExerciseReader {
public:
    // The largest file read; an exercise is a few kilobytes.
    static constexpr qsizetype MaxFileSize = 64 << 20;

    struct Fault {
        int line = 0; // 0: the fault is the file's as a whole (it cannot be read)
        int column = 0;
        QString text;
    };

    std::optional<Exercise> readFile(const QString &path);
    // fileName names the file in messages and gives the title a file without one takes.
    std::optional<Exercise> parse(const QByteArray &json, const QString &fileName);

    const QList<Fault> &faults() const { return m_faults; }
    // Every fault, one a line: "<file>: satır 3, sütun 5: bilinmeyen anahtar "maxblocks" ...".
    QString message() const;

private:
    void fault(const QString &path, const QString &text);
    void refuseUnknown(const QJsonObject &object, const QString &path, const QStringList &known);
    void readLimits(const QJsonObject &top, Exercise &exercise);
    void readTests(const QJsonValue &tests, Exercise &exercise);
    void readTest(const QJsonValue &value, const QString &path, int number, Exercise &exercise);
    std::optional<QString> optionalText(const QJsonObject &object, const QString &path, const QString &key);
    QStringList lines(const QJsonValue &value, const QString &path, const QString &key);

    QString m_fileName;
    std::optional<JsonPlaces> m_places;
    QList<Fault> m_faults;
};
