#include "win32/HeldDrawing.h"

namespace brevolt::win32 {

OwnInvalidation::OwnInvalidation(HWND window)
    : window_(window), pending_(CreateRectRgn(0, 0, 0, 0)) {
    GetUpdateRgn(window_, pending_.get(), FALSE);
}

OwnInvalidation::~OwnInvalidation() {
    ValidateRect(window_, nullptr);
    InvalidateRgn(window_, pending_.get(), TRUE);
}

HeldDrawing::HeldDrawing(HWND list) : list_(list), own_(list), scroll_(ScrollStateOf(list)) {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    DefWindowProcW(list_, WM_SETREDRAW, FALSE, 0);
}

HeldDrawing::~HeldDrawing() {
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    DefWindowProcW(list_, WM_SETREDRAW, TRUE, 0);
    if (ScrollStateOf(list_) != scroll_) {
        redrawFrame();
    }
}

HeldDrawing::ScrollState HeldDrawing::ScrollStateOf(HWND list) {
    ScrollState state{};
    for (int bar = 0; bar < 2; ++bar) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(list, bar == 0 ? SB_HORZ : SB_VERT, &info);
        state[bar * 4] = info.nMin;
        state[bar * 4 + 1] = info.nMax;
        state[bar * 4 + 2] = static_cast<int>(info.nPage);
        state[bar * 4 + 3] = info.nPos;
    }
    return state;
}

void HeldDrawing::redrawFrame() const {
    RECT window{};
    GetWindowRect(list_, &window);
    MapWindowPoints(HWND_DESKTOP, list_, reinterpret_cast<POINT*>(&window), 2);
    RECT client{};
    GetClientRect(list_, &client);
    const UniqueRegion frame(CreateRectRgnIndirect(&window));
    const UniqueRegion inside(CreateRectRgnIndirect(&client));
    CombineRgn(frame.get(), frame.get(), inside.get(), RGN_DIFF);
    RedrawWindow(list_, nullptr, frame.get(), RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

}  // namespace brevolt::win32
