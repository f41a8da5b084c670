#include "win32/FlatButtonView.h"

#include <commctrl.h>

#include "base/WideText.h"
#include "win32/Palette.h"

namespace brevolt::win32 {
FlatButtonView::FlatButtonView(widgets::FlatButton& model, HWND parent, COLORREF colour,
                               ControlId id)
    : model_(model), colour_(colour) {
    adopt(CreateWindowExW(0, L"BUTTON", text::Widen(model_.Caption()).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW, 0, 0,
                          0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr),
          id, true);
    makeFonts();
}

void FlatButtonView::MakeToolTip() {
    if (hasToolTip_) {
        return;
    }
    hasToolTip_ = true;
    // The tooltip belongs to the button's parent and goes with it.
    const HWND parent = GetParent(handle());
    const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::wstring hint = text::Widen(model_.Hint());
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(handle());
    tool.lpszText = hint.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FlatButtonView::makeFonts() {
    font_ = CreateUiFont(Dpi(), L"MS Sans Serif", -13, true);
    hoverFont_ = CreateUiFont(Dpi(), L"MS Sans Serif", -11, true);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void FlatButtonView::dpiChanged() {
    makeFonts();
    InvalidateRect(handle(), nullptr, FALSE);
}

std::optional<LRESULT> FlatButtonView::reflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                model_.Click();
                return 0;
            }
            return std::nullopt;
        case WM_DRAWITEM:
            draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return std::nullopt;
    }
}

LRESULT FlatButtonView::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!hover_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
                TrackMouseEvent(&track);
                setHover(true);
            }
            break;
        case WM_MOUSELEAVE:
            setHover(false);
            break;
        case WM_GETDLGCODE:
            // Enter presses the focused button, as Space does; a dialog's navigation would
            // otherwise take it for the default button of the window.
            if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
                return DLGC_BUTTON | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                SendMessageW(handle(), BM_CLICK, 0, 0);
                return 0;
            }
            break;
        default:
            break;
    }
    return ControlView::subclassed(message, wParam, lParam);
}

void FlatButtonView::setHover(bool hover) {
    hover_ = hover;
    InvalidateRect(handle(), nullptr, FALSE);
}

void FlatButtonView::draw(const DRAWITEMSTRUCT& item) const {
    // Asked at every paint: High Contrast and the scheme may change while the program runs.
    const bool highContrast = HighContrastOn();
    const auto colour = [highContrast](ColourRole role) {
        return RoleColour(role, highContrast, GetSysColor);
    };
    const HDC dc = item.hDC;
    RECT area = item.rcItem;
    const UniqueBrush brush(CreateSolidBrush(colour(ColourRole::ButtonFace).value_or(colour_)));
    FillRect(dc, &area, brush.get());
    // A face of the scheme's button colour does not stand out from what lies around it.
    if (const auto frame = colour(ColourRole::ButtonFrame)) {
        const UniqueBrush line(CreateSolidBrush(*frame));
        FrameRect(dc, &area, line.get());
    }
    if (item.itemState & ODS_SELECTED) {
        OffsetRect(&area, 1, 1);  // pressed
    }
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(dc, colour(ColourRole::ButtonText).value_or(RGB(255, 255, 255)));
    const HGDIOBJ previous = SelectObject(dc, (hover_ ? hoverFont_ : font_).get());
    const std::wstring caption = text::Widen(model_.Caption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace brevolt::win32
