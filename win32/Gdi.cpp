#include "win32/Gdi.h"

namespace brevolt::win32 {

int Scale(HWND window, int pixels) {
    const WindowDc dc(window);
    const int dpi = dc.get() != nullptr ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
    return MulDiv(pixels, dpi, 96);
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

UniqueFont CreateUiFont(HWND window, const wchar_t* face, int height, bool bold) {
    LOGFONTW font{};
    font.lfHeight = Scale(window, height);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace brevolt::win32
