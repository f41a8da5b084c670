#pragma once

#include <windows.h>

#include <string>

#include "win32/Handles.h"

namespace brevolt::win32 {

// A font by face name and height in the platform's font model (negative: character height in
// pixels at 96 dots per inch), scaled to the window's DPI.
UniqueFont CreateUiFont(HWND window, const wchar_t* face, int height, bool bold);

// Pixels at 96 dots per inch scaled to the window's DPI.
int Scale(HWND window, int pixels);

// The user has High Contrast on: colours that carry meaning give way to the system's.
bool HighContrastOn();

}  // namespace brevolt::win32
