#pragma once

#include "guiwin/TwipsScale.h"

class QWidget;

// The one place where twips meet the screen: the scale of the screen a widget is on, from its
// real logical DPI (the application's default screen when the widget is null).
namespace ScreenTwips {
TwipsScale of(const QWidget *widget);
}
