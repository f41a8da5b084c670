#pragma once

#include <windows.h>

#include <utility>

namespace brevolt::win32 {

// Marks a view's changes to its control as its own while it copies its model in, so that they
// are not taken for the user's.
class OwnChanges {
  public:
    explicit OwnChanges(bool& updating)
        : updating_(updating), was_(std::exchange(updating, true)) {}
    OwnChanges(const OwnChanges&) = delete;
    OwnChanges& operator=(const OwnChanges&) = delete;
    ~OwnChanges() { updating_ = was_; }

  private:
    bool& updating_;
    bool was_;
};

// Also holds the control's drawing, and redraws it whole at the end.
class Rebuild {
  public:
    Rebuild(HWND control, bool& updating) : control_(control), own_(updating) {
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    Rebuild(const Rebuild&) = delete;
    Rebuild& operator=(const Rebuild&) = delete;
    ~Rebuild() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(control_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

  private:
    HWND control_;
    OwnChanges own_;
};

}  // namespace brevolt::win32
