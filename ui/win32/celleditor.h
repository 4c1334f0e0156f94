#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vendrel::ui {

// The table's in-place editor: one EDIT control over the cell being edited,
// a child of the list, shown only while a cell is edited. The keys that end
// editing, and the focus leaving it, are handed to the table.
class CCellEditor {
public:
    enum class End { Commit, CommitDown, CommitUp, CommitRight, CommitLeft, Cancel };
    explicit CCellEditor(std::function<void(End)> ended)
        : m_ended(std::move(ended))
    { }
    CCellEditor(const CCellEditor&) = delete;
    CCellEditor& operator=(const CCellEditor&) = delete;

    void Create(HWND list);
    void SetFont(HFONT font) { SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }
    // Shows it over a cell of the list with text, the caret at its end, and
    // gives it the focus.
    void Begin(const RECT& cell, const std::string& text);
    bool Active() const { return m_active; }
    std::string Text() const;
    // Hides it, giving the focus back to the list where it had it.
    void Hide();
    HWND hwnd() const { return m_edit; }

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    std::function<void(End)> m_ended;
    HWND m_edit = nullptr;
    HWND m_list = nullptr;
    bool m_active = false;
};

} // namespace vendrel::ui
