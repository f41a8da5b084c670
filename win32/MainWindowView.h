#pragma once

#include "app/TfrmMain.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The main window on screen: 651 x 540, centred, sizeable. It hands the user's requests to the
// TfrmMain model and takes no decision of its own.
class MainWindowView : public Window {
  public:
    explicit MainWindowView(TfrmMain& model);

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    TfrmMain& model_;
};

}  // namespace brevolt::win32
