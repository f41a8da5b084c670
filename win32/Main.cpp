#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "app/ErrorReport.h"
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
    } catch (const std::exception& error) {
        win32::ReportEscapedError(nullptr, error.what());
    } catch (...) {
        win32::ReportEscapedError(nullptr, kUnknownErrorMessage);
    }
    return 1;
}
