#include "ui/form/frictionapp.h"

#include "ui/win32/circuitwnd.h"
#include "ui/win32/frictiondlg.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string_view>
#include <type_traits>

namespace vendrel::ui {
namespace {

// vendrel.exe --circuit [FILE]: the circuit window alone, as its own Start-menu shortcut opens it.
constexpr std::wstring_view kCircuitOption = L"--circuit";

struct LocalDeleter {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

} // namespace

CFrictionApp theApp;

bool CFrictionApp::InitInstance()
{
    // The manifest asks for common controls 6 (themed buttons and edits);
    // loading the library makes sure its classes are registered, the lists
    // and the circuit window's status bar among them.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalDeleter> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    std::unique_ptr<CCircuitWnd> circuit;
    const auto openCircuit = [&circuit] {
        if (!circuit)
            circuit = std::make_unique<CCircuitWnd>();
        circuit->Show();
    };
    if (arguments && count >= 2 && arguments.get()[1] == kCircuitOption) {
        openCircuit();
        if (count >= 3 && circuit->IsOpen())
            circuit->OpenFile(Utf8(arguments.get()[2]));
    } else {
        CFrictionDlg dlg;
        dlg.SetCircuitOpener(openCircuit);
        dlg.DoModal();
    }
    // The calculator closed with the circuit window open: its unsaved work is
    // not lost with it, and its own close asks about it.
    if (circuit)
        circuit->RunUntilClosed();
    return false;
}

} // namespace vendrel::ui
