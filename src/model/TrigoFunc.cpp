#include "model/TrigoFunc.h"

#include <cmath>

// A value a hair beyond ±1 (from rounding) is treated as the end itself instead of failing.
double TrigoFunc::ArcSin(double v)
{
    if (v <= -1)
        return -1.570796326795;
    if (v >= 1)
        return 1.570796326795;
    return std::atan(v / std::sqrt(1 - v * v));
}

double TrigoFunc::ArcCos(double v)
{
    if (v <= -1)
        return 3.14159265359;
    if (v >= 1)
        return 0;
    return std::atan(-v / std::sqrt(1 - v * v)) + 2 * std::atan(1.0);
}
