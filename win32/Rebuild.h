#pragma once

#include <windows.h>

#include <utility>

namespace brevolt::win32 {

// Holds a control's drawing and marks its changes as the view's own while a view copies its model
// in, so that they are not taken for the user's.
class Rebuild {
  public:
    Rebuild(HWND control, bool& updating)
        : control_(control), updating_(updating), was_(std::exchange(updating, true)) {
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    Rebuild(const Rebuild&) = delete;
    Rebuild& operator=(const Rebuild&) = delete;
    ~Rebuild() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(control_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        updating_ = was_;
    }

  private:
    HWND control_;
    bool& updating_;
    bool was_;
};

}  // namespace brevolt::win32
