#include <windows.h>
#include <commctrl.h>

#include "app/Startup.h"
#include "win32/Win32Application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    brevolt::win32::Win32Application application;
    brevolt::Session session;
    return brevolt::RunProgram(application, session);
}
