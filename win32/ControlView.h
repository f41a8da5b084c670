#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "win32/ControlIds.h"
#include "win32/ModelBinding.h"
#include "win32/ProcedureInFront.h"

namespace brevolt::win32 {

// The view of one control of a system class (a list view, a combo box, an owner-drawn button),
// without a window of its own: what the control tells its parent (WM_NOTIFY, WM_COMMAND,
// WM_DRAWITEM, WM_CONTEXTMENU) is handed to this view by whichever of the program's windows the
// parent is. A view that asks for them sees the control's own messages first (`subclassed`),
// through a procedure put in front of the control's own.
//
// A derived view ends with destroy() in its destructor: its model bindings are taken back and
// the control stops reaching the view before the control goes. A control destroyed with its
// parent leaves the view without one.
class ControlView {
  public:
    ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;
    virtual ~ControlView() { destroy(); }

    HWND handle() const { return control_; }
    // Moves and sizes the control within its parent.
    void SetBounds(const RECT& bounds) {
        MoveWindow(control_, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
        resized();
    }

    // The window moved to a monitor of another scale (or the scale changed): fonts and sizes
    // follow. The next SetBounds lays the control out at it.
    void SetDpi(UINT dpi) {
        if (dpi != dpi_) {
            dpi_ = dpi;
            dpiChanged();
        }
    }
    UINT Dpi() const { return dpi_; }

    // A notification the control sent its parent, or nothing to let the parent handle it.
    virtual std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The view of the control that sent a parent this message, if it has one.
    static ControlView* Of(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // Takes the new control on under its id: its notifications come to this view, and with
    // `ownMessages` its own messages too. The control starts at its window's DPI.
    void adopt(HWND control, ControlId id, bool ownMessages = false);
    // Pixels at 96 dots per inch at the control's DPI.
    int scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }
    // The DPI changed: fonts and sizes are made anew.
    virtual void dpiChanged() {}
    // A message of the control's own, for a view that asked for them; the default passes it on.
    virtual LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam);
    // The control was given new bounds.
    virtual void resized() {}
    // Binds the view to a hook of its model until destroy().
    template <typename... Args>
    void bind(Args&&... args) {
        bindings_.emplace_back(std::forward<Args>(args)...);
    }
    // Unbinds from the model, lets the control go from this view, then destroys it. Idempotent.
    void destroy();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void release();

    HWND control_ = nullptr;
    UINT dpi_ = 96;
    ProcedureInFront procedure_;  // when the view sees the control's own messages
    std::vector<ModelBinding> bindings_;
};

}  // namespace brevolt::win32
