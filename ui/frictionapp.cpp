#include "ui/frictionapp.h"

#include "ui/frictiondlg.h"

#include <QApplication>

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    CFrictionDlg dlg;
    // The dialog is the program's only top-level window: closing it ends the
    // program, whatever else might have been opened.
    QApplication::setQuitOnLastWindowClosed(true);
    dlg.DoModal();
    return false;
}
