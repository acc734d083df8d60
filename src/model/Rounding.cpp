#include "model/Rounding.h"

#include "model/VarnelError.h"

#include <cmath>
#include <limits>

double Rounding::halfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

template<typename T>
static T checkedRound(double value, const QString &source)
{
    const double r = Rounding::halfEven(value);
    if (!std::isfinite(r) || r < double(std::numeric_limits<T>::min())
        || r > double(std::numeric_limits<T>::max()))
        throw VarnelError::overflow(source);
    return static_cast<T>(r);
}

qint16 Rounding::toInt16(double value, const QString &source)
{
    return checkedRound<qint16>(value, source);
}

qint32 Rounding::toInt32(double value, const QString &source)
{
    return checkedRound<qint32>(value, source);
}
