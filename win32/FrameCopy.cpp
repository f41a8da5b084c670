#include "win32/FrameCopy.h"

namespace brevolt::win32 {

FrameCopy::State FrameCopy::stateOf(HWND window) const {
    State state;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    state.window = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    GetClientRect(window, &state.client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&state.client), 2);
    OffsetRect(&state.client, -bounds.left, -bounds.top);
    state.style = GetWindowLongW(window, GWL_STYLE);
    state.focused = focused_;
    const int bars[] = {SB_HORZ, SB_VERT};
    for (std::size_t i = 0; i < state.bars.size(); ++i) {
        state.bars[i].cbSize = sizeof(SCROLLINFO);
        state.bars[i].fMask = SIF_ALL;
        GetScrollInfo(window, bars[i], &state.bars[i]);
    }
    state.surroundings = Surroundings::Now();
    return state;
}

bool FrameCopy::Same(const State& one, const State& other) {
    const auto sameBar = [](const SCROLLINFO& a, const SCROLLINFO& b) {
        return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
    };
    return EqualRect(&one.window, &other.window) && EqualRect(&one.client, &other.client) &&
           one.style == other.style && one.focused == other.focused &&
           sameBar(one.bars[0], other.bars[0]) && sameBar(one.bars[1], other.bars[1]) &&
           one.surroundings == other.surroundings;
}

bool FrameCopy::PaintFromCopy(HWND window) {
    if (!valid_ || pointerOnFrame_ || !Same(stateOf(window), state_)) {
        return false;
    }
    const HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return false;
    }
    ExcludeClipRect(dc, state_.client.left, state_.client.top, state_.client.right,
                    state_.client.bottom);
    BitBlt(dc, 0, 0, state_.window.right, state_.window.bottom, copy_.dc(), 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return true;
}

void FrameCopy::Take(HWND window, WPARAM region) {
    valid_ = false;
    if (pointerOnFrame_) {
        return;
    }
    // A frame painted in part may show parts drawn before at another state.
    if (region != 1) {
        RECT painted{};
        RECT bounds{};
        GetWindowRect(window, &bounds);
        if (GetRgnBox(reinterpret_cast<HRGN>(region), &painted) != SIMPLEREGION ||
            !EqualRect(&painted, &bounds)) {
            return;
        }
    }
    const State state = stateOf(window);
    const SIZE size{state.window.right, state.window.bottom};
    if (!copy_.Fit(size)) {
        return;
    }
    const HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return;
    }
    // Only a frame wholly in sight: what covers it would be read back with it.
    RECT visible{};
    const bool whole =
        GetClipBox(dc, &visible) == SIMPLEREGION && EqualRect(&visible, &state.window);
    if (whole) {
        BitBlt(copy_.dc(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
        state_ = state;
        valid_ = true;
    }
    ReleaseDC(window, dc);
}

void FrameCopy::Heard(UINT message) {
    switch (message) {
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            pointerOnFrame_ = true;
            valid_ = false;
            break;
        case WM_MOUSEMOVE:
        case WM_NCMOUSELEAVE:
            pointerOnFrame_ = false;
            break;
        case WM_SETFOCUS:
            focused_ = true;
            break;
        case WM_KILLFOCUS:
            focused_ = false;
            break;
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE:
        case WM_DPICHANGED_AFTERPARENT:
            valid_ = false;
            break;
        default:
            break;
    }
}

}  // namespace brevolt::win32
