#include "ui/form/frictionapp.h"

#include "ui/qt/circuitwnd.h"
#include "ui/qt/frictiondlg.h"

#include <QApplication>
#include <QStringList>

namespace vendrel::ui {

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    // vendrel --circuit [FILE]: the circuit window alone.
    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype circuit = arguments.indexOf(QStringLiteral("--circuit")); circuit > 0) {
        CCircuitWnd window;
        window.show();
        if (circuit + 1 < arguments.size())
            window.openFile(arguments[circuit + 1]);
        QApplication::exec();
        return false;
    }
    CFrictionDlg dlg;
    dlg.DoModal();
    // Closing the calculator leaves a circuit window open until it is done with.
    if (dlg.circuitWindow() != nullptr && dlg.circuitWindow()->isVisible())
        QApplication::exec();
    return false;
}

} // namespace vendrel::ui
