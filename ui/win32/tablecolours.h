#pragma once

#include <windows.h>

namespace vendrel::ui {

// The circuit window's marks, light enough for black text on them: the
// index circuit, a cell or setting that cannot be used, rows selected (drawn
// by the window so the other marks stay visible on them), and the red of a
// path out of balance.
constexpr COLORREF kIndexBackground = RGB(255, 242, 200);
constexpr COLORREF kProblemBackground = RGB(255, 210, 210);
constexpr COLORREF kSelectedBackground = RGB(204, 228, 255);
constexpr COLORREF kUnbalancedText = RGB(204, 0, 0);

} // namespace vendrel::ui
