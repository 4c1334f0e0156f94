#pragma once

#include <windows.h>

// The circuit window's class and the ids of its controls, by which its
// tests find them too.
namespace vendrel::ui {

inline constexpr wchar_t kCircuitWindowClass[] = L"VendrelCircuit";

enum CircuitControlId : int {
    kFirstSettingId = 1000, // then one per setting, by its files::CircuitSettingKey
    kSectionsId = 1100,
    kPathsTitleId,
    kPathsId,
    kSummaryId,
    kNotesId,
    kStatusId,
};

// Asks the window the colours a cell of one of its lists is drawn in, as
// its custom draw decides them for the list: wParam the list's id, lParam
// MAKELPARAM(row, column). The text's colour is returned in the low 32 bits,
// the background's in the high. (A list's WM_NOTIFY cannot be sent from
// another process.)
inline constexpr UINT kCellColoursMessage = WM_APP + 1;

} // namespace vendrel::ui
