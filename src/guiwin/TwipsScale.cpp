#include "guiwin/TwipsScale.h"

#include "guiwin/DefinitionFields.h"
#include "model/Rounding.h"

TwipsScale::TwipsScale(double logicalDpiX, double logicalDpiY)
    : m_tppX(1440.0 / logicalDpiX)
    , m_tppY(1440.0 / logicalDpiY)
{
}

int TwipsScale::toPixelsX(double twips) const
{
    return int(Rounding::halfEven(twips / m_tppX));
}

int TwipsScale::toPixelsY(double twips) const
{
    return int(Rounding::halfEven(twips / m_tppY));
}

qint16 TwipsScale::toTwipsX(double pixels) const
{
    return DefinitionFields::toInt16(pixels * m_tppX);
}

qint16 TwipsScale::toTwipsY(double pixels) const
{
    return DefinitionFields::toInt16(pixels * m_tppY);
}
