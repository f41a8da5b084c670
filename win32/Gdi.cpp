#include "win32/Gdi.h"

#include <cwchar>

namespace brevolt::win32 {

UINT WindowDpi(HWND window) {
    // Looked up, not linked: systems before Windows 10 1607 lack it.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    const WindowDc dc(window);
    return dc.get() != nullptr ? static_cast<UINT>(GetDeviceCaps(dc.get(), LOGPIXELSY)) : 96;
}

int Scale(HWND window, int pixels) {
    return ScaleTo(pixels, WindowDpi(window));
}

std::wstring UiFontFace(const wchar_t* face, UINT dpi) {
    if (dpi != 96 && std::wcscmp(face, L"MS Sans Serif") == 0) {
        return L"Microsoft Sans Serif";
    }
    return face;
}

UniqueFont CreateUiFont(UINT dpi, const wchar_t* face, int height, bool bold) {
    LOGFONTW font{};
    font.lfHeight = ScaleTo(height, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(font.lfFaceName, UiFontFace(face, dpi).c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

UniqueFont CreateUiFont(HWND window, const wchar_t* face, int height, bool bold) {
    return CreateUiFont(WindowDpi(window), face, height, bold);
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace brevolt::win32
