#pragma once

#include <windows.h>

#include <array>

#include "win32/PaintedCopy.h"

namespace brevolt::win32 {

// A copy of a control's frame (its border and scroll bars) as it was last painted whole, painted
// again in its place while the frame is drawn the same: the control's size, style and focus, its
// scroll bars' ranges and positions and the system's colours as they were, and the pointer
// neither over the frame nor holding it. Under Wine a list view shown again after its page was
// turned away paints its themed frame in 4 ms; the copy takes a tenth of one.
//
// The copy is read back from the window's DC, only when the frame was just painted whole and in
// sight whole.
class FrameCopy {
  public:
    // In front of the control's WM_NCPAINT: true if the frame was painted from the copy.
    bool PaintFromCopy(HWND window);
    // After the control painted its frame (`region` as WM_NCPAINT gave it): copies it.
    void Take(HWND window, WPARAM region);
    // Every other message of the control: the pointer over the frame or a new visual style
    // forgets the copy; the focus is noted.
    void Heard(UINT message);

  private:
    // What the frame's look depends on, in the window's own terms.
    struct State {
        RECT window{};  // its size, at 0,0
        RECT client{};  // in the window's coordinates
        LONG style = 0;
        bool focused = false;
        std::array<SCROLLINFO, 2> bars{};
        Surroundings surroundings;
    };
    State stateOf(HWND window) const;
    static bool Same(const State& one, const State& other);

    CopyBitmap copy_;
    State state_;
    bool valid_ = false;
    bool pointerOnFrame_ = false;
    bool focused_ = false;  // as the control was told, without asking Wine's server
};

}  // namespace brevolt::win32
