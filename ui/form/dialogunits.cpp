#include "ui/form/dialogunits.h"

namespace vendrel::form {
namespace {

// Windows' MulDiv: a × b ÷ c rounded to the nearest integer.
int MulDiv(int a, int b, int c)
{
    return (a * b + c / 2) / c;
}

} // namespace

DialogUnits::DialogUnits(int baseX, int baseY)
    : m_baseX(baseX)
    , m_baseY(baseY)
{ }

int DialogUnits::ToPixelsX(int units) const
{
    return MulDiv(units, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int units) const
{
    return MulDiv(units, m_baseY, 8);
}

DialogRect DialogUnits::ToPixels(const DialogRect& units) const
{
    return {ToPixelsX(units.x), ToPixelsY(units.y), ToPixelsX(units.width), ToPixelsY(units.height)};
}

} // namespace vendrel::form
