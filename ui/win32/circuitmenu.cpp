#include "ui/win32/circuitmenu.h"

#include "ui/win32/utf16.h"

#include <cstring>

namespace vendrel::ui {
namespace {

using form::CircuitCommand;

// The key of a shortcut's text, without its modifier: a letter, or a key
// named as the form's menus name it.
UINT KeyNamed(const char* name)
{
    if (std::strlen(name) == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return static_cast<UINT>(name[0]);
    if (std::strcmp(name, "Ins") == 0)
        return VK_INSERT;
    if (std::strcmp(name, "Del") == 0)
        return VK_DELETE;
    return 0;
}

} // namespace

CircuitMenu CreateCircuitMenu()
{
    CircuitMenu menu;
    menu.bar = CreateMenu();
    for (std::size_t m = 0; m < form::kCircuitMenus.size(); ++m) {
        HMENU popup = CreatePopupMenu();
        for (const form::CircuitCommandInfo& info : form::CircuitCommands()) {
            if (info.menu != static_cast<int>(m))
                continue;
            if (info.separatorBefore)
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            std::string text = info.text;
            if (*info.shortcut != '\0')
                text += std::string("\t") + info.shortcut;
            AppendMenuW(popup, MF_STRING, CommandId(info.command), Utf16(text).c_str());
            if (info.command == CircuitCommand::Open) {
                menu.recentFiles = CreatePopupMenu();
                AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(menu.recentFiles),
                    Utf16(form::kRecentFilesMenu).c_str());
            }
        }
        AppendMenuW(menu.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Utf16(form::kCircuitMenus[m]).c_str());
    }
    return menu;
}

void ShowRecentFiles(const CircuitMenu& menu, const std::vector<std::string>& files)
{
    while (GetMenuItemCount(menu.recentFiles) > 0)
        DeleteMenu(menu.recentFiles, 0, MF_BYPOSITION);
    for (std::size_t i = 0; i < files.size(); ++i) {
        // A path's "&" is a character, not an access key.
        std::wstring text;
        for (const wchar_t c : Utf16(files[i]))
            text += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
        AppendMenuW(menu.recentFiles, MF_STRING, kFirstRecentFile + static_cast<UINT>(i), text.c_str());
    }
    // The submenu's own item, in the 文件 menu, greyed while the list is empty.
    const HMENU file = GetSubMenu(menu.bar, 0);
    for (int item = 0; item < GetMenuItemCount(file); ++item) {
        if (GetSubMenu(file, item) == menu.recentFiles)
            EnableMenuItem(file, static_cast<UINT>(item), MF_BYPOSITION | (files.empty() ? MF_GRAYED : MF_ENABLED));
    }
}

std::vector<CircuitShortcut> CircuitShortcuts()
{
    constexpr char kControl[] = "Ctrl+";
    std::vector<CircuitShortcut> shortcuts;
    for (const form::CircuitCommandInfo& info : form::CircuitCommands()) {
        const bool control = std::strncmp(info.shortcut, kControl, std::strlen(kControl)) == 0;
        const UINT key = KeyNamed(info.shortcut + (control ? std::strlen(kControl) : 0));
        if (key != 0)
            shortcuts.push_back({info.command, key, control});
    }
    return shortcuts;
}

bool EditKeepsKey(CircuitCommand command)
{
    switch (command) {
    case CircuitCommand::Undo:
    case CircuitCommand::Redo:
    case CircuitCommand::Copy:
    case CircuitCommand::Paste:
    case CircuitCommand::InsertRow:
    case CircuitCommand::DeleteRows:
    case CircuitCommand::SelectAll:
        return true;
    default:
        return false;
    }
}

} // namespace vendrel::ui
