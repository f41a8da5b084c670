#include "widgets/ScrollText.h"

#include <algorithm>

#include "base/Unicode.h"

namespace brevolt::widgets {
namespace {

// Without a view: rows of 13 pixels, 6 pixels a character.
int EstimateHeight(const std::string& line, int width) {
    const int textWidth = static_cast<int>(text::CodePointCount(line)) * 6;
    const int rows = width > 0 ? std::max(1, (textWidth + width - 1) / width) : 1;
    return rows * 13;
}

}  // namespace

ScrollText::ScrollText() : measure_(EstimateHeight) {}

void ScrollText::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    changed();
}

void ScrollText::SetPanelSize(int width, int height) {
    width_ = width;
    height_ = height;
    changed();
}

void ScrollText::SetMeasure(LineMeasure measure) {
    measure_ = std::move(measure);
}

int ScrollText::BlockHeight() const {
    int height = 0;
    for (const auto& line : lines_) {
        height += measure_(line, width_);
    }
    return std::max(height, height_);
}

void ScrollText::Start() {
    held_ = false;
    running_ = true;
    moveTo(-BlockHeight());
}

void ScrollText::Stop() {
    running_ = false;
}

void ScrollText::Step() {
    if (!running_ || held_) {
        return;
    }
    const int top = top_ - 1;
    // Gone at the top: in again from the bottom edge.
    moveTo(top + BlockHeight() <= 0 ? height_ : top);
}

void ScrollText::MouseDown(int y) {
    held_ = true;
    heldAt_ = y;
    heldTop_ = top_;
}

void ScrollText::MouseMove(int y) {
    if (!held_) {
        return;
    }
    // Wrapped into the range the scrolling uses: from just gone at the top to the bottom edge.
    const int block = BlockHeight();
    const int period = block + height_;
    if (period <= 0) {
        return;
    }
    int top = heldTop_ + (y - heldAt_);
    if (top + block <= 0) {
        top += ((-(top + block)) / period + 1) * period;
    } else if (top > height_) {
        top -= ((top - height_ - 1) / period + 1) * period;
    }
    moveTo(top);
}

void ScrollText::MouseUp() {
    held_ = false;
}

void ScrollText::moveTo(int top) {
    top_ = top;
    changed();
}

}  // namespace brevolt::widgets
