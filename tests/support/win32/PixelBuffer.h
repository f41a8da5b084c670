#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/Handles.h"

namespace brevolt::testing {

// A 32-bit bitmap in a DC of its own, top row first: to paint or copy into, then read back.
class PixelBuffer {
  public:
    PixelBuffer(int width, int height);
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;
    ~PixelBuffer();

    HDC dc() const { return dc_.get(); }
    // Every pixel's colour, row by row.
    std::vector<std::uint32_t> Pixels() const;

  private:
    int width_;
    int height_;
    const std::uint32_t* bits_ = nullptr;
    win32::UniqueBitmap bitmap_;  // declared before the DC, which it must outlive
    win32::UniqueDc dc_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace brevolt::testing
