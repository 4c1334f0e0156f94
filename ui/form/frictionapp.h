#pragma once

namespace vendrel::ui {

// The application: runs the calculator dialog once, or with --circuit the
// circuit window alone, and ends when the last window it opened closes.
// Holds no state. Each front end defines InitInstance with its own dialog
// (ui/qt/frictionapp.cpp, ui/win32/frictionapp.cpp), and theApp.
class CFrictionApp {
public:
    CFrictionApp() = default;
    CFrictionApp(const CFrictionApp&) = delete;
    CFrictionApp& operator=(const CFrictionApp&) = delete;

    // Shows the dialog modally; returns false, as there is no event loop to
    // enter once it has closed.
    bool InitInstance();
};

extern CFrictionApp theApp;

} // namespace vendrel::ui
