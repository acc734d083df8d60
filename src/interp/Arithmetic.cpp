#include "interp/Arithmetic.h"

#include "model/Rounding.h"
#include "model/VarnelError.h"

#include <cmath>
#include <limits>

namespace {

const QString timerSource = QStringLiteral("timerRunner_Timer");

// DIVINT and MODULE work on 32-bit integers rounded halves to even.
double integerDivision(ActionCode code, double left, double right)
{
    const qint64 a = Rounding::toInt32(left, timerSource);
    const qint64 b = Rounding::toInt32(right, timerSource);
    if (b == 0)
        throw VarnelError::divisionByZero(timerSource);
    const qint64 result = code == ActionCode::DivInt ? a / b : a % b;
    if (result > std::numeric_limits<qint32>::max())
        throw VarnelError::overflow(timerSource);
    return double(result);
}

} // namespace

void Arithmetic::notFinite(double result)
{
    if (std::isnan(result))
        throw VarnelError::invalidCall(timerSource);
    throw VarnelError::overflow(timerSource);
}

double Arithmetic::applyOther(ActionCode code, double left, double right)
{
    switch (code) {
    case ActionCode::Add:
        return checked(left + right);
    case ActionCode::Subtract:
        return checked(left - right);
    case ActionCode::Multiply:
        return checked(left * right);
    case ActionCode::Divide:
        if (right == 0)
            throw VarnelError::divisionByZero(timerSource);
        return checked(left / right);
    case ActionCode::DivInt:
    case ActionCode::Module:
        return integerDivision(code, left, right);
    case ActionCode::Power:
        if (left == 0 && right < 0)
            throw VarnelError::divisionByZero(timerSource);
        return checked(std::pow(left, right));
    case ActionCode::Percent:
        return checked(left * right / 100);
    default:
        throw VarnelError::invalidCall(timerSource);
    }
}

bool Arithmetic::compareOther(ActionCode code, double left, double right)
{
    switch (code) {
    case ActionCode::IfEqual:
        return left == right;
    case ActionCode::IfNotEqual:
        return left != right;
    case ActionCode::IfLess:
        return left < right;
    case ActionCode::IfLessEqual:
        return left <= right;
    case ActionCode::IfGreater:
        return left > right;
    case ActionCode::IfGreaterEqual:
        return left >= right;
    default:
        throw VarnelError::invalidCall(timerSource);
    }
}
