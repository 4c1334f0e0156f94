#pragma once

namespace vendrel::ui {

// The application: runs the calculator dialog once and ends when it closes.
class CFrictionApp {
public:
    CFrictionApp() = default;
    CFrictionApp(const CFrictionApp&) = delete;
    CFrictionApp& operator=(const CFrictionApp&) = delete;

    // Shows the dialog modally; returns false, as there is no message loop
    // to enter once it has closed.
    bool InitInstance();
};

extern CFrictionApp theApp;

} // namespace vendrel::ui
