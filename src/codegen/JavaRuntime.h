#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The value rules of Varnel in Java with the standard library alone, piece by piece: a program
// carries only the pieces its charts use (and what those pieces need).
namespace JavaRuntime {
QString text(const QSet<QString> &features);
// Every name the pieces define, which no variable may take.
const QStringList &names();
// A Java string literal of the text.
QString quoted(const QString &text);
}
