#include "ui/win32/dialogtemplate.h"

#include "ui/win32/utf16.h"

#include <commctrl.h>

namespace vendrel::ui {
namespace {

using form::ControlKind;

// Predefined window classes, given by atom in a template.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

// No minimise or maximise box; DS_CENTER opens it centred on the screen.
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

WORD ClassAtom(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Entry:
    case ControlKind::Result:
    case ControlKind::Status:
        return kEditClass;
    case ControlKind::DefaultButton:
    case ControlKind::Button:
        return kButtonClass;
    case ControlKind::Choice:
        return kComboBoxClass;
    case ControlKind::Label:
    case ControlKind::List: // named by its class name instead
        break;
    }
    return kStaticClass;
}

} // namespace

DWORD ControlStyle(const form::Control& control)
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (control.kind) {
    case ControlKind::Entry:
        return style | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    case ControlKind::Result:
        // Disabled, not read-only: no focus, and Tab passes over them.
        return style | WS_DISABLED | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
            | (control.alignRight ? ES_RIGHT : ES_LEFT);
    case ControlKind::Status:
        return style | WS_DISABLED | WS_TABSTOP | ES_AUTOHSCROLL;
    case ControlKind::DefaultButton:
        return style | WS_TABSTOP | BS_DEFPUSHBUTTON;
    case ControlKind::Button:
        return style | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::Choice:
        return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::List:
        return style | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    case ControlKind::Label:
        break;
    }
    // SS_CENTERIMAGE keeps a static to one line; a label filled at run time
    // may need several.
    return style | WS_GROUP | SS_LEFT | (control.text != nullptr ? SS_CENTERIMAGE : 0);
}

DWORD ControlExStyle(const form::Control& control)
{
    return control.staticEdge ? WS_EX_STATICEDGE : 0;
}

DialogTemplate::DialogTemplate(const form::Form& form, bool appWindow)
{
    AddWord(1);      // dlgVer
    AddWord(0xFFFF); // signature: an extended template
    AddDword(0);     // helpID
    AddDword(appWindow ? WS_EX_APPWINDOW : 0);
    AddDword(kDialogStyle);
    AddWord(static_cast<WORD>(form.controlCount));
    AddWord(0); // x, y: placed by DS_CENTER
    AddWord(0);
    AddWord(static_cast<WORD>(form.width));
    AddWord(static_cast<WORD>(form.height));
    AddWord(0); // no menu
    AddWord(0); // the standard dialog class
    AddText(form.caption);
    AddWord(static_cast<WORD>(form.fontPointSize));
    AddWord(FW_NORMAL);
    AddWord(MAKEWORD(FALSE, GB2312_CHARSET)); // italic, then the character set
    AddText(form.fontFamily);
    for (int i = 0; i < form.controlCount; ++i)
        AddControl(form.controls[i]);
}

void DialogTemplate::Align()
{
    if (m_words.size() % 2 != 0)
        AddWord(0);
}

void DialogTemplate::AddDword(DWORD value)
{
    AddWord(LOWORD(value));
    AddWord(HIWORD(value));
}

void DialogTemplate::AddText(const char* utf8)
{
    if (utf8 != nullptr) {
        for (const wchar_t c : Utf16(utf8))
            AddWord(static_cast<WORD>(c));
    }
    AddWord(0);
}

void DialogTemplate::AddControl(const form::Control& control)
{
    Align();     // each item starts on a DWORD boundary
    AddDword(0); // helpID
    AddDword(ControlExStyle(control));
    AddDword(ControlStyle(control));
    AddWord(static_cast<WORD>(control.rect.x));
    AddWord(static_cast<WORD>(control.rect.y));
    AddWord(static_cast<WORD>(control.rect.width));
    AddWord(static_cast<WORD>(control.rect.height));
    AddDword(static_cast<DWORD>(control.id));
    if (control.kind == ControlKind::List) {
        AddText("SysListView32"); // WC_LISTVIEW, a common control
    } else {
        AddWord(0xFFFF);
        AddWord(ClassAtom(control.kind));
    }
    AddText(control.text);
    AddWord(0); // no creation data
}

} // namespace vendrel::ui
