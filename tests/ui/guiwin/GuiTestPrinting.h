#pragma once

#include "guiwin/WindowParams.h"

#include <QString>
#include <ostream>

// Readable failure output for texts and window parameters.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const WindowParams &params, std::ostream *out)
{
    *out << "{" << params.zParam1.toStdString() << " / " << params.zParam2.toStdString() << " / "
         << params.zParam3.toStdString() << "}";
}
