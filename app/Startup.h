#pragma once

#include "app/Application.h"
#include "app/Session.h"

namespace brevolt {

// Saves "test.file" (one line "Test") in the program's directory, which it notes in the session
// when it is not known yet; on failure shows the error box that asks for write rights and returns
// false.
bool CheckWriteAccess(Application& app, Session& session);

// The program from start to end in the given (fresh) session: the write-access probe, the
// session's preparation, the main window and its message loop, the session's release. Returns the
// process's exit code.
int RunProgram(Application& app, Session& session);

}  // namespace brevolt
