#include "win32/ControlView.h"

#include <commctrl.h>

#include "win32/Gdi.h"
#include "win32/Win32Application.h"

namespace brevolt::win32 {
namespace {

// The system control that sent a notification to its parent, if any.
HWND NotifyingControl(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lParam);
        case WM_DRAWITEM:
            return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        case WM_CONTEXTMENU:
            return reinterpret_cast<HWND>(wParam);
        default:
            return nullptr;
    }
}

}  // namespace

ControlView* ControlView::Of(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND control = NotifyingControl(message, wParam, lParam);
    // The control's user data, which the system's controls leave to the program: a window
    // property would cost a trip to Wine's server for every notification (every row's custom
    // drawing among them).
    // A notification can also come from one of the program's own windows (a panel's
    // WM_CONTEXTMENU names the panel), whose user data holds its Window object: the id's range
    // tells the two apart before the user data is read.
    const LONG_PTR id = control != nullptr ? GetWindowLongPtrW(control, GWLP_ID) : 0;
    if (id < static_cast<LONG_PTR>(ControlId::FirstViewed) ||
        id > static_cast<LONG_PTR>(ControlId::LastViewed)) {
        return nullptr;
    }
    return reinterpret_cast<ControlView*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void ControlView::adopt(HWND control, ControlId id, bool ownMessages) {
    control_ = control;
    dpi_ = WindowDpi(control);
    SetWindowLongPtrW(control_, GWLP_ID, static_cast<LONG_PTR>(id));
    SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (ownMessages) {
        procedure_.Put(control_, &ControlView::Procedure);
    }
}

LRESULT ControlView::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure_.CallOwn(control_, message, wParam, lParam);
}

void ControlView::destroy() {
    bindings_.clear();
    const HWND control = control_;
    // A control not watched may have gone with its parent already: then its handle is stale.
    const bool stillOurs =
        control != nullptr && IsWindow(control) &&
        GetWindowLongPtrW(control, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
    if (stillOurs) {
        release();
        DestroyWindow(control);
    }
    control_ = nullptr;
}

void ControlView::release() {
    procedure_.Release();
    SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
    control_ = nullptr;
}

LRESULT CALLBACK ControlView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<ControlView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) {
        return ProcedureInFront::CallClass(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const ProcedureInFront& procedure = view->procedure_;
        view->release();  // destroyed with its parent: the view stays, without a control
        return procedure.CallOwn(window, message, wParam, lParam);
    }
    // The controls' events report their own errors; what escapes the view itself is shown here,
    // since nothing may unwind through Win32.
    try {
        return view->subclassed(message, wParam, lParam);
    } catch (...) {
        ReportCaughtError(window);
    }
    return view->procedure_.CallOwn(window, message, wParam, lParam);
}

}  // namespace brevolt::win32
