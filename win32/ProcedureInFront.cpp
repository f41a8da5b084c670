#include "win32/ProcedureInFront.h"

namespace brevolt::win32 {

void ProcedureInFront::Put(HWND window, WNDPROC procedure) {
    Release();
    window_ = window;
    procedure_ = procedure;
    own_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure_)));
}

void ProcedureInFront::Release() {
    if (window_ != nullptr && IsWindow(window_) &&
        GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure_)) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_));
    }
    window_ = nullptr;
}

}  // namespace brevolt::win32
