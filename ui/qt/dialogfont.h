#pragma once

#include "ui/form/dialogunits.h"

#include <QFont>
#include <QRect>

namespace vendrel::ui {

// The dialog font: the Song face "宋体" at 9 points where installed, otherwise
// the first Song-style CJK family present, then any family that can write
// Simplified Chinese, so that no label renders as empty boxes.
QFont DialogFont();

// The dialog units of a font as Windows measures them: the average width of
// the Latin alphabet, rounded, and the character height.
form::DialogUnits DialogUnitsForFont(const QFont& font);

inline QRect ToQRect(const form::DialogRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace vendrel::ui
