#pragma once

#include <memory>

#include "app/MainWindow.h"

namespace brevolt::bench {

// The main window on screen, where there is one.
class ScreenView {
  public:
    virtual ~ScreenView() = default;
    // Handles pending messages and paints what is invalid, as the message loop would before the
    // user sees the result of an action.
    virtual void Settle() = 0;
};

// Creates and shows the window of `form`; null on a platform without one.
std::unique_ptr<ScreenView> ShowOnScreen(MainWindow& form);

}  // namespace brevolt::bench
