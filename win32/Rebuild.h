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

// Holds the control's drawing, and redraws it whole at the end.
class WholeRedraw {
  public:
    explicit WholeRedraw(HWND control) : control_(control) {
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    WholeRedraw(const WholeRedraw&) = delete;
    WholeRedraw& operator=(const WholeRedraw&) = delete;
    ~WholeRedraw() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(control_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

  private:
    HWND control_;
};

// A whole redraw of changes that are the view's own.
class Rebuild {
  public:
    Rebuild(HWND control, bool& updating) : own_(updating), redraw_(control) {}

  private:
    OwnChanges own_;  // still marked while the redraw ends
    WholeRedraw redraw_;
};

}  // namespace brevolt::win32
