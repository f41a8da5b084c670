#pragma once

#include <windows.h>

#include <string>

#include "win32/Handles.h"

namespace brevolt::win32 {

// The dots per inch the window is shown at: its monitor's where the system tells each window's
// own (per-monitor awareness, as the manifest declares), else the system's.
UINT WindowDpi(HWND window);

// Pixels at 96 dots per inch at `dpi`.
inline int ScaleTo(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

// Pixels at 96 dots per inch scaled to the window's DPI.
int Scale(HWND window, int pixels);

// The face to draw with at this DPI: "MS Sans Serif", a bitmap font made for 96 dots per inch,
// gives way to its scalable TrueType counterpart "Microsoft Sans Serif" at any other.
std::wstring UiFontFace(const wchar_t* face, UINT dpi);

// A font by face name and height in the platform's font model (negative: character height in
// pixels at 96 dots per inch), scaled to `dpi`.
UniqueFont CreateUiFont(UINT dpi, const wchar_t* face, int height, bool bold);
// The same at the window's DPI.
UniqueFont CreateUiFont(HWND window, const wchar_t* face, int height, bool bold);

// The user has High Contrast on: colours that carry meaning give way to the system's.
bool HighContrastOn();

}  // namespace brevolt::win32
