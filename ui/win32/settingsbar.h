#pragma once

#include "ui/form/circuitdocument.h"
#include "ui/win32/gdihandle.h"
#include "ui/win32/windowfont.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vendrel::ui {

// The circuit's settings above the table: a label and a drop-down list (the
// series, the material) or an entry for each. An entry's text is taken when
// it loses the focus or on Enter; a value derived from another setting is
// grey, one that cannot be used marked.
class CSettingsBar {
public:
    explicit CSettingsBar(form::CircuitDocument& document)
        : m_document(document)
    { }
    CSettingsBar(const CSettingsBar&) = delete;
    CSettingsBar& operator=(const CSettingsBar&) = delete;

    // Its controls' ids: firstId plus the setting's key.
    void Create(HWND parent, int firstId);
    void SetFonts(const WindowFonts& fonts);
    // Places them in rows across width, from left and top; the height taken.
    int Layout(int left, int top, int width);
    // Shows the document's settings; an entry being typed in keeps its text.
    void Refresh();

    // A notice from one of its controls; whether the document changed.
    bool OnCommand(HWND control, int code);
    // Takes the text of the entry with the focus (Enter), or shows its
    // setting again (Esc); whether the document changed.
    bool CommitFocused();
    void RevertFocused();
    // Takes what every entry has that the document does not.
    bool CommitAll();
    // An entry's colours (WM_CTLCOLOREDIT); nullptr for another control.
    HBRUSH OnCtlColor(HDC dc, HWND control);
    // Why the setting with the focus cannot be used; "" where it can.
    std::string FocusedMessage() const;

private:
    struct Setting {
        files::CircuitSettingKey key;
        HWND label;
        HWND control;
        bool list; // a drop-down list, else an entry
    };
    const Setting* Find(HWND control) const;
    bool Commit(const Setting& setting);

    form::CircuitDocument& m_document;
    std::vector<Setting> m_settings;
    HFONT m_font = nullptr;
    int m_charWidth = 0;
    int m_height = 0;
    UniqueBrush m_problemBrush;
};

} // namespace vendrel::ui
