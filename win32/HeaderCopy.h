#pragma once

#include <windows.h>

#include <array>

#include "win32/Handles.h"

namespace brevolt::win32 {

// Paints a header control from a copy of its last painting while nothing can have changed its
// look: no message reached it but those that only read, and its size and the system's colours
// are as they were. Under Wine a themed header item takes most of a millisecond to draw (its
// stretching is halftoned, and each of its transparent parts asks the server whether the
// displays changed), and a list shown again after its page was turned away repaints its header
// whole: 6 ms for five columns. A painting that is not copied goes into the copy first.
//
// The header's procedure is replaced, not subclassed with SetWindowSubclass, whose window
// properties would cost a trip to Wine's server for each message; the copy is found through the
// header's user data, which the system's controls leave to the program.
class HeaderCopy {
  public:
    explicit HeaderCopy(HWND header);
    // The header gets its own procedure back, if nobody replaced it since.
    ~HeaderCopy();
    HeaderCopy(const HeaderCopy&) = delete;
    HeaderCopy& operator=(const HeaderCopy&) = delete;

  private:
    // What a header's look depends on beside its own state: the system's colours a header is
    // drawn in, and whether a visual style is on.
    struct Surroundings {
        std::array<COLORREF, 5> colours{};
        bool themed = false;
        bool operator==(const Surroundings&) const = default;
    };
    static Surroundings CurrentSurroundings();
    // The message only asks the header something or tells it of its place: its look stays.
    static bool OnlyReads(UINT message);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the header its own procedure back, if nobody put another in front since.
    void release();
    void paint();
    // A bitmap of this size for the copy, kept while the size stays; false if none can be made.
    bool makeRoom(SIZE size);

    HWND header_;
    WNDPROC own_;
    UniqueBitmap bitmap_;  // declared before the DC, which it must outlive
    UniqueDc dc_;
    SIZE size_{};
    Surroundings surroundings_;
    bool valid_ = false;
};

}  // namespace brevolt::win32
