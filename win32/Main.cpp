#include <windows.h>
#include <commctrl.h>

#include "app/Startup.h"
#include "win32/Win32Application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    using namespace brevolt;
    try {
        // Before the write-access probe: a second start hands over to the running copy and
        // writes nothing.
        const win32::RunningCopyClaim claim;
        if (!claim.Held()) {
            win32::BringRunningCopyForward();
            return 0;
        }
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        win32::Win32Application application;
        Session session;
        return RunProgram(application, session);
    } catch (...) {
        win32::ReportCaughtError(nullptr);
    }
    return 1;
}
