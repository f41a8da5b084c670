#pragma once

#include <windows.h>

#include "win32/PaintedCopy.h"
#include "win32/ProcedureInFront.h"

namespace brevolt::win32 {

// Paints a header control from a copy of its last painting while nothing can have changed its
// look: no message reached it but those that only read, and its size and the system's colours
// are as they were. Under Wine a themed header item takes most of a millisecond to draw (its
// stretching is halftoned, and each of its transparent parts asks the server whether the
// displays changed), and a list shown again after its page was turned away repaints its header
// whole: 6 ms for five columns. A painting that is not copied goes into the copy first.
class HeaderCopy {
  public:
    // Takes the header's user data.
    explicit HeaderCopy(HWND header);
    ~HeaderCopy();
    HeaderCopy(const HeaderCopy&) = delete;
    HeaderCopy& operator=(const HeaderCopy&) = delete;

  private:
    // The message only asks the header something or tells it of its place: its look stays.
    static bool OnlyReads(UINT message);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Lets the header go: its own procedure back, its user data cleared.
    void release();
    void paint();

    HWND header_;
    ProcedureInFront procedure_;
    CopyBitmap copy_;
    SIZE size_{};
    Surroundings surroundings_;
    bool valid_ = false;
};

}  // namespace brevolt::win32
