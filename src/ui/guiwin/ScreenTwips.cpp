#include "ui/guiwin/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TwipsScale ScreenTwips::of(const QWidget *widget)
{
    if (widget)
        return TwipsScale(widget->logicalDpiX(), widget->logicalDpiY());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? TwipsScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()) : TwipsScale();
}
