#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The value rules of Varnel in C11 with the standard library alone, piece by piece: a program
// carries only the pieces its charts use (and what those pieces need).
namespace CRuntime {
QString text(const QSet<QString> &features);
// Every name the pieces and the standard headers define, which no variable may take.
const QStringList &names();
// A C string literal of the text in UTF-8.
QString quoted(const QString &text);
}
