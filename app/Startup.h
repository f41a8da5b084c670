#pragma once

#include "app/Application.h"

namespace brevolt {

// Saves "test.file" (one line "Test") in the program's directory; on failure shows the error
// box that asks for write rights and returns false.
bool CheckWriteAccess(Application& app);

// The program from start to end: the write-access probe, the shared state, the main window and
// its message loop, the release of the shared state. Returns the process's exit code.
int RunProgram(Application& app);

}  // namespace brevolt
