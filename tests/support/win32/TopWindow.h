#pragma once

#include <windows.h>

#include "win32/Window.h"

namespace brevolt::testing {

// A top-level window of the program with nothing of its own to handle. A popup shown without
// being activated: no window manager has to hold up its end.
class TopWindow : public win32::Window {
  public:
    TopWindow(const wchar_t* className, int width, int height) {
        create(className, L"", WS_POPUP, 0, 0, 0, width, height, nullptr);
    }
    ~TopWindow() override { destroy(); }
};

}  // namespace brevolt::testing
