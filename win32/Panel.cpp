#include "win32/Panel.h"

#include "win32/Gdi.h"

namespace brevolt::win32 {

Panel::Panel(HWND parent, COLORREF background, bool hidden) : background_(background) {
    // A control parent: the keyboard's tab order goes through the controls on it.
    create(L"BrevoltPanel", L"",
           WS_CHILD | (hidden ? 0 : WS_VISIBLE) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
           WS_EX_CONTROLPARENT, 0, 0, 0, 0, parent);
}

void Panel::Relayout() {
    RECT client;
    GetClientRect(handle(), &client);
    if (OnSize) {
        OnSize(client.right, client.bottom);
    }
}

LRESULT Panel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (OnSize) {
                OnSize(LOWORD(lParam), HIWORD(lParam));
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(handle(), &paint);
            RECT client;
            GetClientRect(handle(), &client);
            const UniqueBrush brush(CreateSolidBrush(background_));
            FillRect(dc, &client, brush.get());
            if (OnPaint) {
                OnPaint(dc, client);
            }
            EndPaint(handle(), &paint);
            return 0;
        }
        default:
            return Window::handleMessage(message, wParam, lParam);
    }
}

}  // namespace brevolt::win32
