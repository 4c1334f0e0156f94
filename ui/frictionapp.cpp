#include "ui/frictionapp.h"

#include "ui/frictiondlg.h"

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    CFrictionDlg dlg;
    dlg.DoModal();
    return false;
}
