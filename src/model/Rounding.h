#pragma once

#include <QString>
#include <QtGlobal>

// Conversions of floating-point values to the fixed-width integers of the model and the
// interpreter: to the nearest integer, halves to the even neighbour, and an overflow error
// (raised as VarnelError with the given source) when the result does not fit.
namespace Rounding {
double halfEven(double value);
qint16 toInt16(double value, const QString &source);
qint32 toInt32(double value, const QString &source);
}
