#pragma once

#include "ui/form/circuitdocument.h"
#include "ui/form/pathorder.h"
#include "ui/win32/windowfont.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace vendrel::ui {

// The table of paths under the sections: each path from the pump round to
// it, its total and imbalance; those out of balance in red, the index
// circuit in bold on the index circuit's colour. A click on a heading sorts
// by total or imbalance, a second the other way.
class CPathTable {
public:
    CPathTable() = default;
    CPathTable(const CPathTable&) = delete;
    CPathTable& operator=(const CPathTable&) = delete;

    void Create(HWND parent, int id);
    HWND hwnd() const { return m_list; }
    void SetFonts(const WindowFonts& fonts);
    void Show(const std::vector<form::PathRow>& paths);
    bool OnNotify(const NMHDR& notice, LRESULT& result);
    // Fits the columns to their texts and the list's width.
    void FitColumns();
    // The selected path, or all, as shown, for the clipboard.
    std::string CopyText() const;

private:
    int TextWidth(HDC dc, HFONT font, const std::string& text) const;
    void Fill();
    void SortBy(int column);

    HWND m_list = nullptr;
    HFONT m_font = nullptr;
    HFONT m_bold = nullptr;
    int m_charWidth = 0;
    UniqueImageList m_rowHeight;
    std::vector<form::PathRow> m_paths;
    std::vector<int> m_order; // the path in each row
    int m_sortColumn = -1;
    bool m_descending = false;
};

} // namespace vendrel::ui
