#pragma once

#include "ui/form/frictionform.h"

#include <windows.h>

#include <vector>

namespace vendrel::ui {

// The form as a Win32 extended dialog template (DLGTEMPLATEEX), built in
// memory for DialogBoxIndirectParamW. Built at run time from the form's one
// table rather than generated into a .rc at build time: a generator would be
// a second program to build for the build machine in a cross build, while
// this is a few dozen lines of plain layout. Windows then does the dialog
// units, the font, the default button, Esc and the tab order itself.
class DialogTemplate {
public:
    // appWindow: the program's main window, with a button on the taskbar.
    explicit DialogTemplate(const form::Form& form, bool appWindow = true);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Align();
    void AddWord(WORD value) { m_words.push_back(value); }
    void AddDword(DWORD value);
    void AddText(const char* utf8);
    void AddControl(const form::Control& control);

    std::vector<WORD> m_words; // WORD-aligned, as a template must be
};

// The window styles a control of the form gets on Windows.
DWORD ControlStyle(const form::Control& control);
DWORD ControlExStyle(const form::Control& control);

} // namespace vendrel::ui
