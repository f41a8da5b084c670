#include "win32/Window.h"

#include "win32/Win32Application.h"

namespace brevolt::win32 {
void Window::create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    int x, int y, int width, int height, HWND parent, HMENU menu) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        if ((style & WS_CHILD) == 0) {
            windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));  // a child shows none
        }
        RegisterClassExW(&windowClass);
    }
    // WM_NCCREATE takes ownership of the new window.
    if (CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                        instance, this) == nullptr &&
        menu != nullptr) {
        DestroyMenu(menu);  // a window takes its menu along only once it exists
    }
}

void MoveChild(HWND child, const RECT& bounds) {
    RECT now{};
    GetWindowRect(child, &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &bounds)) {
        MoveWindow(child, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
    }
}

void Window::destroy() {
    bindings_.clear();
    if (window_) {
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
        DestroyWindow(window_.release());
    }
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // Only top-level windows hear of new system colours and settings. The controls keep
            // colours of their own (a list view its background) and are told by their parent;
            // a window of the program among them tells its own in turn.
            for (HWND child = GetWindow(handle(), GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, message, wParam, lParam);
            }
            // The views choose their colours at every paint, by the scheme and High Contrast.
            if (message == WM_SYSCOLORCHANGE || wParam == SPI_SETHIGHCONTRAST) {
                RedrawWindow(handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(handle(), message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = UniqueWindow(window);
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent: the object stays, without a window.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        if (ControlView* view = ControlView::Of(message, wParam, lParam)) {
            if (const auto result = view->reflected(message, wParam, lParam)) {
                return *result;
            }
        }
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // Handlers report the program's errors themselves; whatever still gets here must not
        // unwind through Win32, and the program goes on.
        ReportCaughtError(window);
    }
    return 0;
}

}  // namespace brevolt::win32
