#pragma once

#include <QtGlobal>

// Twips (1/1440 inch) against the screen's logical pixels: 1440 / logical DPI twips per pixel,
// 15 at 96 DPI. Window definitions keep twips; widgets are placed in pixels.
class TwipsScale {
public:
    explicit TwipsScale(double logicalDpiX = 96, double logicalDpiY = 96);

    double twipsPerPixelX() const { return m_tppX; }
    double twipsPerPixelY() const { return m_tppY; }

    // Nearest pixel, halves to even.
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    // Nearest twip, halves to even, held to the 16-bit range of definitions.
    qint16 toTwipsX(double pixels) const;
    qint16 toTwipsY(double pixels) const;

private:
    double m_tppX;
    double m_tppY;
};
