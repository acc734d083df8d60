#pragma once

#include "exercise/Exercise.h"

#include <QByteArray>
#include <QString>

// An exercise as the file (.vnx) the reader takes back: UTF-8 JSON laid out as a teacher would
// write it by hand (the keys in the order of the file's description, one test a line), the
// defaults left out.
namespace ExerciseWriter {

QByteArray toJson(const Exercise &exercise);
// Writes the file whole or not at all; false with `failure` set in the user's words.
bool writeFile(const QString &path, const Exercise &exercise, QString &failure);

} // namespace ExerciseWriter
