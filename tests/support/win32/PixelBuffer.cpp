#include "support/win32/PixelBuffer.h"

namespace brevolt::testing {

PixelBuffer::PixelBuffer(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint32_t*>(bits);
    dc_.reset(CreateCompatibleDC(nullptr));
    previous_ = SelectObject(dc_.get(), bitmap_.get());
}

PixelBuffer::~PixelBuffer() {
    SelectObject(dc_.get(), previous_);
}

std::vector<std::uint32_t> PixelBuffer::Pixels() const {
    GdiFlush();
    std::vector<std::uint32_t> pixels;
    if (bits_ == nullptr) {
        return pixels;
    }
    pixels.reserve(static_cast<std::size_t>(width_) * height_);
    for (int i = 0; i < width_ * height_; ++i) {
        pixels.push_back(bits_[i] & 0xFFFFFF);
    }
    return pixels;
}

}  // namespace brevolt::testing
