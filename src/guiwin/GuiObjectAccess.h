#pragma once

#include "guiwin/GuiKind.h"

#include <QString>

// What a property statement needs from the open run-time window. Objects are named by their
// IDs, matched without regard to letter case; geometry is in twips.
class GuiObjectAccess {
public:
    enum Field { X, Y, W, H };

    virtual ~GuiObjectAccess() = default;

    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;

    // The window's outer size (border and title included).
    virtual int windowOuter(Field field) const = 0; // W or H
    virtual void setWindowOuter(Field field, int twips) = 0;

    // Unknown when the window has no object of that name.
    virtual GuiKind::Kind objectKind(const QString &name) const = 0;
    virtual QString objectText(const QString &name) const = 0;
    virtual void setObjectText(const QString &name, const QString &text) = 0;
    virtual int objectGeometry(const QString &name, Field field) const = 0;
    // A width or height of 0 or less is ignored.
    virtual void setObjectGeometry(const QString &name, Field field, int twips) = 0;
    virtual void setObjectVisible(const QString &name, bool visible) = 0;
    // An empty file clears the picture; the failure's description, empty on success.
    virtual QString setObjectImage(const QString &name, const QString &file) = 0;
    // Pictures only, in pixels, with the current pen.
    virtual void drawObjectLine(const QString &name, double x1, double y1, double x2, double y2) = 0;
    virtual void setObjectDrawMode(const QString &name, bool invert) = 0;
};
