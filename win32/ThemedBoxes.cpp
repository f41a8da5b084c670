#include "win32/ThemedBoxes.h"

#include <vssym32.h>

#include <algorithm>

namespace brevolt::win32 {
namespace {

// Two ticks on a few backgrounds: the window, the selection with and without the focus.
constexpr int kLooks = 8;

int StateOf(bool ticked) {
    return ticked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
}

}  // namespace

void ThemedBoxes::Clear() {
    looks_.clear();
    dc_.reset();
    strip_.reset();
    size_ = {};
}

void ThemedBoxes::Draw(HTHEME theme, HDC dc, const RECT& box, const RECT& clip, bool ticked) {
    RECT shown{};
    if (!IntersectRect(&shown, &box, &clip)) {
        return;
    }
    const COLORREF background = GetPixel(dc, box.left, box.top);
    if (background == CLR_INVALID) {  // out of the paint's reach: drawn afresh
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        DrawThemeBackground(theme, dc, BP_CHECKBOX, StateOf(ticked), &box, nullptr);
        RestoreDC(dc, saved);
        return;
    }
    const SIZE size{box.right - box.left, box.bottom - box.top};
    if (size.cx != size_.cx || size.cy != size_.cy) {
        Clear();
        size_ = size;
    }
    const int place = placeOf(theme, dc, ticked, background);
    if (place < 0) {
        return;
    }
    BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, dc_.get(),
           place * size_.cx + (shown.left - box.left), shown.top - box.top, SRCCOPY);
}

int ThemedBoxes::placeOf(HTHEME theme, HDC dc, bool ticked, COLORREF background) {
    const auto found = std::find_if(looks_.begin(), looks_.end(), [&](const Look& look) {
        return look.ticked == ticked && look.background == background;
    });
    if (found != looks_.end()) {
        return static_cast<int>(found - looks_.begin());
    }
    if (!dc_) {
        strip_ = UniqueBitmap(CreateCompatibleBitmap(dc, size_.cx * kLooks, size_.cy));
        dc_ = UniqueDc(CreateCompatibleDC(dc));
        if (!strip_ || !dc_) {
            Clear();
            return -1;
        }
        SelectObject(dc_.get(), strip_.get());
    }
    if (looks_.size() == kLooks) {
        looks_.clear();  // the places are drawn over
    }
    const int place = static_cast<int>(looks_.size());
    const RECT area{place * size_.cx, 0, (place + 1) * size_.cx, size_.cy};
    const UniqueBrush fill(CreateSolidBrush(background));
    FillRect(dc_.get(), &area, fill.get());
    DrawThemeBackground(theme, dc_.get(), BP_CHECKBOX, StateOf(ticked), &area, nullptr);
    looks_.push_back({ticked, background});
    return place;
}

}  // namespace brevolt::win32
