#include "ui/form/frictionapp.h"

#include "ui/win32/frictiondlg.h"

#include <commctrl.h>

namespace vendrel::ui {

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    // The manifest asks for common controls 6 (themed buttons and edits);
    // loading the library makes sure its classes are registered, the list
    // of standard sizes among them.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CFrictionDlg dlg;
    dlg.DoModal();
    return false;
}

} // namespace vendrel::ui
