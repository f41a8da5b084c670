#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "win32/ControlView.h"
#include "win32/Handles.h"
#include "win32/ModelBinding.h"

namespace brevolt::win32 {

// Moves and sizes a child window within its parent's client area, unless it is there already: a
// move in place still sends its messages and, under Wine, goes to its server.
void MoveChild(HWND child, const RECT& bounds);

// Base of the program's window classes: the window procedure finds the object through the
// pointer stored at WM_NCCREATE, hands the notifications of system controls to their views,
// and no exception ever crosses back into Win32.
//
// A derived view ends with destroy() in its destructor: its model bindings are taken back and
// messages stop reaching the object before the window goes, and the window (with its children)
// goes before the view's members, so nothing is dispatched to a half-destroyed object.
class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() { destroy(); }

    HWND handle() const { return window_.get(); }
    // Moves and sizes the window within its parent.
    void SetBounds(const RECT& bounds) {
        MoveWindow(handle(), bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
    }

  protected:
    // Registers the class once and creates the window with this object behind it; a top-level
    // window may get its menu bar.
    void create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                int y, int width, int height, HWND parent, HMENU menu = nullptr);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Binds the view to a hook of its model until destroy().
    template <typename... Args>
    void bind(Args&&... args) {
        bindings_.emplace_back(std::forward<Args>(args)...);
    }
    // Unbinds from the model, stops dispatching to this object, then destroys the window with
    // its children. Idempotent.
    void destroy();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
    std::vector<ModelBinding> bindings_;
};

}  // namespace brevolt::win32
