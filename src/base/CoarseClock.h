#pragma once

#include <QtGlobal>

#include <ctime>

// The coarse monotonic clock, in milliseconds. A read costs a few nanoseconds where the fine clock
// costs several times as much, and it ticks every few milliseconds, which is all that pacing rules
// of a second or a time slice need. Unlike the time of day it never jumps.
namespace CoarseClock {

inline qint64 nowMs()
{
    timespec coarse{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &coarse);
    return qint64(coarse.tv_sec) * 1000 + coarse.tv_nsec / 1000000;
}

} // namespace CoarseClock
