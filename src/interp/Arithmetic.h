#pragma once

#include "model/ActionCode.h"

#include <cmath>

// The arithmetic and comparison action codes on two numbers. Errors (division by zero,
// overflow, an invalid power) are raised as VarnelError for the tick to catch. DIVINT and
// MODULE give whole numbers, which read and write exactly like the integers they are.
// Addition, subtraction and comparison are inline: counting loops are made of them.
namespace Arithmetic {
double applyOther(ActionCode code, double left, double right);
// The error for a result that is not a finite number.
[[noreturn]] void notFinite(double result);

inline double checked(double result)
{
    if (!std::isfinite(result)) [[unlikely]]
        notFinite(result);
    return result;
}

inline double apply(ActionCode code, double left, double right)
{
    switch (code) {
    case ActionCode::Add:
        return checked(left + right);
    case ActionCode::Subtract:
        return checked(left - right);
    default:
        return applyOther(code, left, right);
    }
}

bool compareOther(ActionCode code, double left, double right);

inline bool compare(ActionCode code, double left, double right)
{
    switch (code) {
    case ActionCode::IfLess:
        return left < right;
    case ActionCode::IfLessEqual:
        return left <= right;
    case ActionCode::IfEqual:
        return left == right;
    default:
        return compareOther(code, left, right);
    }
}

inline bool isArithmetic(ActionCode code)
{
    return code >= ActionCode::Add && code <= ActionCode::Percent;
}

inline bool isCondition(ActionCode code)
{
    return code >= ActionCode::IfEqual && code <= ActionCode::IfGreaterEqual;
}
}
