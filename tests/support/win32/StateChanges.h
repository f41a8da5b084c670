#pragma once

#include <windows.h>

#include <vector>

namespace brevolt::testing {

// Hears the state change events of list items as a screen reader does, for as long as it lives:
// on this thread, out of context, so they come with the thread's messages.
class StateChanges {
  public:
    StateChanges();
    ~StateChanges();
    StateChanges(const StateChanges&) = delete;
    StateChanges& operator=(const StateChanges&) = delete;

    bool Listening() const { return hook_ != nullptr; }
    // Handles the waiting messages (paints among them) and returns the children (items counted
    // from 1) whose state changed since the last call.
    std::vector<LONG> Take();

  private:
    std::vector<LONG> events_;
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace brevolt::testing
