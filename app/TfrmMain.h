#pragma once

#include <string>

#include "app/Application.h"

namespace brevolt {

// The main window: its state and event handlers, apart from any toolkit. A view (win32/) shows
// it and calls its handlers.
class TfrmMain {
  public:
    // Creating the window runs FormCreate; an error there is reported and the window still opens.
    explicit TfrmMain(Application& app);

    const std::string& Caption() const { return caption_; }

    // The ways out: store the current version as "LastVersion" and end the program.
    void B_EmpfangenClick();
    void Beenden1Click();
    // A request to close the window; `canClose` stays true unless "LastVersion" could not be
    // stored.
    void FormCloseQuery(bool& canClose);
    // Windows ends the session: store "LastVersion" if possible, but never hold the end up.
    void FormEndSession();

  private:
    void FormCreate();
    void ExitProgram();
    void StoreLastVersion();

    Application& app_;
    std::string caption_;
};

}  // namespace brevolt
