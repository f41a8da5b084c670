#pragma once

#include <windows.h>

#include <array>

#include "win32/Handles.h"

namespace brevolt::win32 {

// What a control's look depends on beside its own state: the system's colours of a control's
// face and frame, and whether a visual style is on.
struct Surroundings {
    std::array<COLORREF, 6> colours{};
    bool themed = false;

    static Surroundings Now();
    bool operator==(const Surroundings&) const = default;
};

// A bitmap of screen pixels selected into a DC of its own, to hold a copy of what a window
// painted.
class CopyBitmap {
  public:
    // Makes the bitmap this size, unless it is already; false if none can be made.
    bool Fit(SIZE size);
    HDC dc() const { return dc_.get(); }

  private:
    UniqueBitmap bitmap_;  // declared before the DC, which it must outlive
    UniqueDc dc_;
    SIZE size_{};
};

}  // namespace brevolt::win32
