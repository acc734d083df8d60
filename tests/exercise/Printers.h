#pragma once

#include "exercise/TestResult.h"

#include <QString>
#include <ostream>

// Readable failure messages: texts as UTF-8, endings by name.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(TestResult::Ending ending, std::ostream *out)
{
    static const char *const names[] = {"Passed", "Different", "TimeLimit", "BlockLimit", "InputEnded",
                                        "OutputLimit", "Error", "NotLoaded", "Cancelled", "Crashed"};
    *out << names[int(ending)];
}
