#include "win32/PaintedCopy.h"

#include <uxtheme.h>

#include <utility>

namespace brevolt::win32 {

Surroundings Surroundings::Now() {
    Surroundings now;
    const int indexes[] = {COLOR_BTNFACE,      COLOR_BTNTEXT,    COLOR_BTNSHADOW,
                           COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_SCROLLBAR};
    for (std::size_t i = 0; i < now.colours.size(); ++i) {
        now.colours[i] = GetSysColor(indexes[i]);
    }
    now.themed = IsThemeActive() != FALSE;
    return now;
}

bool CopyBitmap::Fit(SIZE size) {
    if (dc_ && size.cx == size_.cx && size.cy == size_.cy) {
        return true;
    }
    dc_.reset();
    bitmap_.reset();
    size_ = SIZE{};
    if (size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) {
        return false;
    }
    SelectObject(dc.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    size_ = size;
    return true;
}

}  // namespace brevolt::win32
