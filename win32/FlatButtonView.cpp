#include "win32/FlatButtonView.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/WideText.h"

namespace brevolt::win32 {

FlatButtonView::FlatButtonView(widgets::FlatButton& model, HWND parent, COLORREF colour)
    : model_(model), colour_(colour) {
    create(L"BrevoltFlatButton", text::Widen(model_.Caption()).c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
           0, 0, 0, parent);
    font_ = CreateUiFont(handle(), L"MS Sans Serif", -13, true);
    hoverFont_ = CreateUiFont(handle(), L"MS Sans Serif", -11, true);

    tooltip_ = UniqueWindow(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                                            handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    std::wstring hint = text::Widen(model_.Hint());
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(handle());
    tool.lpszText = hint.data();
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT FlatButtonView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_MOUSEMOVE: {
            if (!hover_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
                TrackMouseEvent(&track);
                setHover(true);
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            setHover(false);
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(handle());
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(handle(), &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (wasPressed && PtInRect(&client, at)) {
                model_.Click();
            }
            return 0;
        }
        default:
            return Window::handleMessage(message, wParam, lParam);
    }
}

void FlatButtonView::setHover(bool hover) {
    hover_ = hover;
    InvalidateRect(handle(), nullptr, TRUE);
}

void FlatButtonView::paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    const UniqueBrush brush(CreateSolidBrush(colour_));
    FillRect(dc, &client, brush.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    const HGDIOBJ previous = SelectObject(dc, (hover_ ? hoverFont_ : font_).get());
    const std::wstring caption = text::Widen(model_.Caption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    EndPaint(handle(), &paint);
}

}  // namespace brevolt::win32
