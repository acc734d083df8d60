#pragma once

#include "guiwin/WindowParams.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <ostream>

// Readable failure output for texts and window parameters; pixel sampling for pictures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const WindowParams &params, std::ostream *out)
{
    *out << "{" << params.zParam1.toStdString() << " / " << params.zParam2.toStdString() << " / "
         << params.zParam3.toStdString() << "}";
}

// The colour at a point given in logical pixels, whatever the device pixel ratio.
inline QColor colorAt(const QImage &image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio), int(y * ratio));
}
