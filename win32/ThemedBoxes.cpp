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

void ThemedBoxes::Follow(HWND window) {
    std::wstring style;
    if (IsThemeActive()) {
        wchar_t file[MAX_PATH] = {};
        wchar_t colour[MAX_PATH] = {};
        wchar_t size[MAX_PATH] = {};
        if (SUCCEEDED(GetCurrentThemeName(file, MAX_PATH, colour, MAX_PATH, size, MAX_PATH))) {
            style = std::wstring(file) + L'|' + colour + L'|' + size;
        }
    }
    // Opened once for a style, not once a paint: under Wine an opening takes a tenth of a
    // millisecond.
    if (style == style_ && (style.empty() || theme_)) {
        return;
    }
    clearLooks();
    theme_.reset();
    style_ = std::move(style);
    if (!style_.empty()) {
        theme_ = UniqueTheme(OpenThemeData(window, L"BUTTON"));
    }
}

void ThemedBoxes::Clear() {
    clearLooks();
    theme_.reset();
    style_.clear();
}

void ThemedBoxes::clearLooks() {
    looks_.clear();
    dc_.reset();
    strip_.reset();
    size_ = {};
}

void ThemedBoxes::Draw(HDC dc, const RECT& box, const RECT& clip, bool ticked) {
    RECT shown{};
    if (!IntersectRect(&shown, &box, &clip)) {
        return;
    }
    const COLORREF background = theme_ ? GetPixel(dc, box.left, box.top) : CLR_INVALID;
    if (background == CLR_INVALID) {  // no style, or out of the paint's reach: drawn afresh
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        if (theme_) {
            DrawThemeBackground(theme_.get(), dc, BP_CHECKBOX, StateOf(ticked), &box, nullptr);
        } else {
            RECT plain = box;
            DrawFrameControl(dc, &plain, DFC_BUTTON,
                             DFCS_BUTTONCHECK | (ticked ? DFCS_CHECKED : 0));
        }
        RestoreDC(dc, saved);
        return;
    }
    const SIZE size{box.right - box.left, box.bottom - box.top};
    if (size.cx != size_.cx || size.cy != size_.cy) {
        clearLooks();
        size_ = size;
    }
    const int place = placeOf(dc, ticked, background);
    if (place < 0) {
        return;
    }
    BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, dc_.get(),
           place * size_.cx + (shown.left - box.left), shown.top - box.top, SRCCOPY);
}

int ThemedBoxes::placeOf(HDC dc, bool ticked, COLORREF background) {
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
            clearLooks();
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
    DrawThemeBackground(theme_.get(), dc_.get(), BP_CHECKBOX, StateOf(ticked), &area, nullptr);
    looks_.push_back({ticked, background});
    return place;
}

void TellTickChanged(HWND list, int item) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, list, OBJID_CLIENT,
                   item + 1);  // children count from 1
}

}  // namespace brevolt::win32
