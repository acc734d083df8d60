#pragma once

#include "base/MessageText.h"

#include <QString>
#include <QtGlobal>

// Bounds on what a window definition may ask for. Definitions come from files that anyone may
// edit: a window without area never appears (and the run would wait for it for ever), a huge
// one exhausts memory, and tens of thousands of objects stall the program while they are made.
namespace WindowLimits {

// No side of a window or object is smaller than a pixel or larger than this many pixels.
inline constexpr int MaxSidePixels = 8192;
// A definition with more objects than this is refused whole.
inline constexpr qsizetype MaxObjects = 1000;

inline int side(int pixels)
{
    return qBound(1, pixels, MaxSidePixels);
}

// The message that refuses a definition with this many objects, or an empty message when the
// definition may be loaded.
MessageText objectCountRefusal(qsizetype count);
// The same for the object records of a definition.
MessageText refusal(const QString &objectRecords);

} // namespace WindowLimits
