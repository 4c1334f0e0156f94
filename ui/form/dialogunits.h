#pragma once

#include "ui/form/frictionform.h"

namespace vendrel::form {

// Dialog units to pixels for a dialog font whose average character width is
// baseX pixels and whose height is baseY pixels, rounding as Windows does.
class DialogUnits {
public:
    DialogUnits(int baseX, int baseY);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    DialogRect ToPixels(const DialogRect& units) const;

private:
    int m_baseX;
    int m_baseY;
};

} // namespace vendrel::form
