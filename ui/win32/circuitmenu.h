#pragma once

#include "ui/form/circuitform.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vendrel::ui {

// The circuit window's command ids: one per command of the form, then one
// per recent file.
constexpr UINT kFirstCircuitCommand = 100;
constexpr UINT kFirstRecentFile = 200;
inline UINT CommandId(form::CircuitCommand command)
{
    return kFirstCircuitCommand + static_cast<UINT>(command);
}

// The menu bar of the form's commands, each with its key after a tab, and
// the recent files' submenu after 打开. The bar belongs to the window it is
// set on; the submenu to the bar.
struct CircuitMenu {
    HMENU bar = nullptr;
    HMENU recentFiles = nullptr;
};
CircuitMenu CreateCircuitMenu();
// Lists the files in the submenu, newest first; greyed where there are none.
void ShowRecentFiles(const CircuitMenu& menu, const std::vector<std::string>& files);

// A command's key as the form names it ("Ctrl+O", "Ins").
struct CircuitShortcut {
    form::CircuitCommand command;
    UINT key; // a virtual key
    bool control;
};
std::vector<CircuitShortcut> CircuitShortcuts();
// Whether an edit control has a key of its own for the command (Ctrl+C,
// Del…), which it keeps while it has the focus.
bool EditKeepsKey(form::CircuitCommand command);

} // namespace vendrel::ui
