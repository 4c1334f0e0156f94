#include "ui/form/frictionapp.h"

#include "ui/win32/frictiondlg.h"

#include <commctrl.h>

namespace vendrel::ui {

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    // The manifest asks for common controls 6 (themed buttons and edits);
    // loading the library makes sure its classes are registered.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CFrictionDlg dlg;
    dlg.DoModal();
    return false;
}

} // namespace vendrel::ui
