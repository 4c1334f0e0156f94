#include "ui/form/frictionapp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    vendrel::ui::theApp.InitInstance();
    return 0;
}
