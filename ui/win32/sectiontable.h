#pragma once

#include "ui/form/circuitdocument.h"
#include "ui/win32/celleditor.h"
#include "ui/win32/windowfont.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace vendrel::ui {

// The table of sections: a virtual list view of the document's cells and one
// empty row more, used like a spreadsheet. The arrow keys, Tab and the mouse
// move a current cell; Enter, F2 or a character typed edits it in place.
// Each cell is drawn as the document's look for it says.
class CSectionTable {
public:
    // changed: after the table has edited the document; moved: after the
    // current cell has moved.
    CSectionTable(form::CircuitDocument& document, std::function<void()> changed, std::function<void()> moved);
    CSectionTable(const CSectionTable&) = delete;
    CSectionTable& operator=(const CSectionTable&) = delete;

    void Create(HWND parent, int id);
    HWND hwnd() const { return m_list; }
    void SetFonts(const WindowFonts& fonts);
    // The document's columns, in pixels wide.
    void ShowColumns(const std::vector<int>& widths);
    std::vector<int> ColumnWidths() const;
    // Shows the document as it is now.
    void Refresh();
    // The list's notifications to its parent; whether one was handled, and
    // its result.
    bool OnNotify(const NMHDR& notice, LRESULT& result);

    // The edit menu's commands on the table.
    void InsertRow();
    void DeleteRows();
    void SelectAll();
    std::string CopyText() const;
    bool Paste(const std::string& text, std::string& error);
    // Ends editing a cell, taking what was typed or not.
    void EndEdit(bool commit);
    bool Editing() const { return m_editor.Active(); }
    HWND EditorWindow() const { return m_editor.hwnd(); }
    // Why the current cell cannot be used; "" where it can.
    std::string CurrentMessage() const;

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    bool OnKey(WPARAM key);
    void OnEditorEnd(CCellEditor::End end);
    void BeginEdit(bool keepText);
    void MoveTo(int row, int column);
    void SelectOnly(int row);
    void ScrollToColumn(int column);
    RECT CellRect(int row, int column) const;
    int RowsShown() const { return m_document.RowCount() + 1; }
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    void OnClick(LPARAM where, bool twice);

    form::CircuitDocument& m_document;
    std::function<void()> m_changed;
    std::function<void()> m_moved;
    CCellEditor m_editor;
    HWND m_list = nullptr;
    HFONT m_font = nullptr;
    HFONT m_italic = nullptr;
    UniqueImageList m_rowHeight;
    int m_row = 0;
    int m_column = 0;
    std::vector<std::string> m_titles; // as the header shows them: Rf's names the fluid
};

} // namespace vendrel::ui
