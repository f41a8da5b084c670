#pragma once

#include <windows.h>

namespace brevolt::win32 {

// Readies a top-level window that is about to be destroyed to leave the screen at once.
//
// Under Wine, hiding a window that the X window manager looks after waits until the manager
// confirms it, and gives up only after two seconds when there is none (a virtual display); a
// dialog then took two seconds to close. Under Wine the window is therefore marked hidden
// without being hidden: nothing waits, and destroying the window takes it off the screen.
// Elsewhere nothing changes.
void ReadyToCloseAtOnce(HWND window);

}  // namespace brevolt::win32
