#pragma once

#include <windows.h>

#include <array>

#include "win32/Handles.h"

namespace brevolt::win32 {

// Keeps what waited to be painted in a window while a view changes its control, and takes back
// what the control invalidated meanwhile: the view then invalidates just what changed. Under
// Wine a list view invalidates itself whole at the end of a WM_SETREDRAW, and a header whenever
// an item changes, and each repaint of a themed part takes a fifth of a millisecond or more.
class OwnInvalidation {
  public:
    explicit OwnInvalidation(HWND window);
    OwnInvalidation(const OwnInvalidation&) = delete;
    OwnInvalidation& operator=(const OwnInvalidation&) = delete;
    ~OwnInvalidation();

  private:
    HWND window_;
    UniqueRegion pending_;
};

// Holds a list view's drawing while a view changes it: the list view's own (its WM_SETREDRAW)
// and the system's (the visible bit that DefWindowProc's WM_SETREDRAW clears). The list view then
// sets its scroll bars once at the end, and the system paints them only with the frame: under
// Wine a visible scroll bar is painted at every setting, themed, at a millisecond or more each.
// What the list invalidates meanwhile is taken back (OwnInvalidation).
class HeldDrawing {
  public:
    explicit HeldDrawing(HWND list);
    HeldDrawing(const HeldDrawing&) = delete;
    HeldDrawing& operator=(const HeldDrawing&) = delete;
    ~HeldDrawing();

  private:
    // What the scroll bars show: range, page and position of each.
    using ScrollState = std::array<int, 8>;
    static ScrollState ScrollStateOf(HWND list);
    // The frame and scroll bars alone: the client stays valid.
    void redrawFrame() const;

    HWND list_;
    OwnInvalidation own_;  // ends after the drawing is back
    ScrollState scroll_;
};

}  // namespace brevolt::win32
