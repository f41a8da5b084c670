#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace brevolt::win32 {

// Base of the program's window classes: the window procedure finds the object through the
// pointer stored at WM_NCCREATE, and no exception ever crosses back into Win32.
class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND handle() const { return window_.get(); }
    // Moves and sizes the window within its parent.
    void SetBounds(const RECT& bounds) {
        MoveWindow(handle(), bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
    }

  protected:
    // Registers the class once and creates the window with this object behind it.
    void create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                int y, int width, int height, HWND parent);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Lets the window go without destroying it (Windows destroys it itself).
    void forget() { window_.release(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
};

}  // namespace brevolt::win32
