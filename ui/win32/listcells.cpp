#include "ui/win32/listcells.h"

#include "ui/win32/utf16.h"

#include <commctrl.h>

namespace vendrel::ui {

void SetListCell(HWND list, int row, int column, const std::string& text)
{
    std::wstring wide = Utf16(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = wide.data();
    if (column == 0)
        ListView_InsertItem(list, &item);
    else
        ListView_SetItem(list, &item);
}

} // namespace vendrel::ui
