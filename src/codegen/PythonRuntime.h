#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The value rules of Varnel in Python, piece by piece: a program carries only the pieces its
// charts use (and what those pieces need).
namespace PythonRuntime {
QString text(const QSet<QString> &features);
// Every name the pieces define, which no variable of a chart may take.
const QStringList &names();
// A Python string literal of the text.
QString quoted(const QString &text);
}
