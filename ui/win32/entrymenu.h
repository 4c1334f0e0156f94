#pragma once

#include "ui/form/controlid.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace vendrel::ui {

// The commands of an entry's context menu, as TrackPopupMenu returns them.
enum EntryCommand : UINT {
    kUndo = 1,
    kCut,
    kCopy,
    kPaste,
    kDelete,
    kSelectAll,
    kFluid,
    kStandardSize,
    kOpenCircuit,
    kFirstMaterial = 100, // then one per material, in the table's order
};

// The calculator's system menu item that opens the circuit window: below
// 0xF000, and a multiple of 16, as Windows keeps the low four bits.
constexpr UINT kOpenCircuitSysCommand = 0x0110;

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// The context menu of an entry: the editing commands in Chinese whatever the
// language of Windows, each enabled as the edit control allows, then the
// entry's aid (the roughness entry's lists materials, by their items'
// texts), and last the circuit window.
UniqueMenu CreateEntryMenu(HWND edit, form::ControlId id, const std::vector<std::string>& materials);

// Carries out an editing command on the edit control; false for any other.
bool RunEditCommand(HWND edit, UINT command);

} // namespace vendrel::ui
