#include "ui/form/frictionapp.h"

#include "ui/qt/frictiondlg.h"

namespace vendrel::ui {

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    CFrictionDlg dlg;
    dlg.DoModal();
    return false;
}

} // namespace vendrel::ui
