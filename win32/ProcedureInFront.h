#pragma once

#include <windows.h>

namespace brevolt::win32 {

// A procedure of the program put in front of a control's own by replacing it, not by
// SetWindowSubclass, whose window properties would cost a trip to Wine's server for each message.
// The procedure finds its object through the control's user data, which the system's controls
// leave to the program.
class ProcedureInFront {
  public:
    ProcedureInFront() = default;
    ProcedureInFront(const ProcedureInFront&) = delete;
    ProcedureInFront& operator=(const ProcedureInFront&) = delete;
    ~ProcedureInFront() { Release(); }

    // Puts `procedure` in front of the window's own, which it hands the messages on to.
    void Put(HWND window, WNDPROC procedure);
    // Gives the window its own procedure back, unless another was put in front since. Idempotent.
    void Release();
    bool Holds() const { return window_ != nullptr; }
    // The window's own procedure, also after Release (as while the window is destroyed).
    LRESULT CallOwn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        return CallWindowProcW(own_, window, message, wParam, lParam);
    }
    // For a procedure that lost its object while another stood in front of it: the class's
    // procedure is the control's own.
    static LRESULT CallClass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)),
                               window, message, wParam, lParam);
    }

  private:
    HWND window_ = nullptr;
    WNDPROC procedure_ = nullptr;
    WNDPROC own_ = nullptr;
};

}  // namespace brevolt::win32
