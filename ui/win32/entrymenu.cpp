#include "ui/win32/entrymenu.h"

#include "ui/form/circuitform.h"
#include "ui/form/entryaids.h"
#include "ui/win32/utf16.h"

namespace vendrel::ui {
namespace {

void Append(HMENU menu, UINT command, const char* text, bool enabled)
{
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, Utf16(text).c_str());
}

} // namespace

UniqueMenu CreateEntryMenu(HWND edit, form::ControlId id, const std::vector<std::string>& materialItems)
{
    UniqueMenu menu(CreatePopupMenu());
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = start != end;
    const bool text = GetWindowTextLengthW(edit) > 0;
    // The commands and mnemonics of the edit control's own menu on a
    // Chinese Windows.
    Append(menu.get(), kUndo, "撤消(&U)", SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), kCut, "剪切(&T)", selection);
    Append(menu.get(), kCopy, "复制(&C)", selection);
    Append(menu.get(), kPaste, "粘贴(&P)", IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
    Append(menu.get(), kDelete, "删除(&D)", selection);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), kSelectAll, "全选(&A)",
        text && (start != 0 || end != static_cast<DWORD>(GetWindowTextLengthW(edit))));

    const form::EntryAid aid = form::AidFor(id);
    if (aid != form::EntryAid::None)
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    switch (aid) {
    case form::EntryAid::Fluid:
        Append(menu.get(), kFluid, form::kFluidItem, true);
        break;
    case form::EntryAid::Materials: {
        HMENU materials = CreatePopupMenu(); // owned by the menu from here
        for (std::size_t material = 0; material < materialItems.size(); ++material)
            Append(materials, kFirstMaterial + static_cast<UINT>(material), materialItems[material].c_str(), true);
        AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(materials), Utf16(form::kMaterialMenu).c_str());
        break;
    }
    case form::EntryAid::StandardSize:
        Append(menu.get(), kStandardSize, form::kStandardSizeItem, true);
        break;
    case form::EntryAid::None:
        break;
    }
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), kOpenCircuit, form::kOpenCircuitItem, true);
    return menu;
}

bool RunEditCommand(HWND edit, UINT command)
{
    switch (command) {
    case kUndo:
        SendMessageW(edit, EM_UNDO, 0, 0);
        return true;
    case kCut:
        SendMessageW(edit, WM_CUT, 0, 0);
        return true;
    case kCopy:
        SendMessageW(edit, WM_COPY, 0, 0);
        return true;
    case kPaste:
        SendMessageW(edit, WM_PASTE, 0, 0);
        return true;
    case kDelete:
        SendMessageW(edit, WM_CLEAR, 0, 0);
        return true;
    case kSelectAll:
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return true;
    default:
        return false;
    }
}

} // namespace vendrel::ui
