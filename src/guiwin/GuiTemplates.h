#pragma once

#include "guiwin/GuiKind.h"

#include <QRect>

// The hidden template element of each widget family: where a new object starts and the size it
// keeps when a record gives no width or height. Twips.
struct GuiTemplates {
    QRect rect[GuiKind::Count];

    // The designer's canvas places new objects apart from each other.
    static GuiTemplates designer()
    {
        return {{QRect(705, 600, 1245, 480), QRect(1950, 1380, 1590, 660), QRect(2580, 240, 1020, 945),
                 QRect(450, 1290, 1305, 360)}};
    }
    static GuiTemplates runtime()
    {
        return {{QRect(0, 0, 1245, 480), QRect(0, 0, 1245, 720), QRect(0, 0, 1020, 945), QRect(0, 0, 1305, 360)}};
    }
};
