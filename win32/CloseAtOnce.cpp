#include "win32/CloseAtOnce.h"

namespace brevolt::win32 {
namespace {

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

void ReadyToCloseAtOnce(HWND window) {
    if (RunningUnderWine()) {
        SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~WS_VISIBLE);
    }
}

}  // namespace brevolt::win32
