#pragma once

#include "exercise/Exercise.h"

#include <QString>
#include <QStringList>

// "Örnek Çözümden Doldur": runs every test of an exercise on the teacher's reference chart and
// takes what it printed as the test's expected lines, within the exercise's limits and
// regional settings. A test the reference does not finish keeps its lines.
namespace ReferenceFill {

// One line per test left as it was: "“büyük” testi: süre aşıldı". Empty when every test was filled.
QStringList fill(Exercise &exercise, const QString &referencePath);

} // namespace ReferenceFill
