#pragma once

#include <functional>
#include <string>

#include "widgets/Controls.h"
#include "widgets/ScrollText.h"

namespace brevolt {

// The about dialog: the program's name and maker in a slowly scrolling text, and a button to
// close it. Each "Über" makes a new one.
class TfrmAbout {
  public:
    TfrmAbout();  // runs FormCreate
    TfrmAbout(const TfrmAbout&) = delete;
    TfrmAbout& operator=(const TfrmAbout&) = delete;

    const std::string& Caption() const { return caption_; }

    widgets::ScrollText JvScrollText1;
    widgets::FlatButton B_Empfangen;

    // The dialog appears: the text starts again from below.
    void FormShow();
    // "Schliessen": ends the dialog.
    void B_EmpfangenClick();

    // Set by the view: ends the modal dialog.
    std::function<void()> OnClose;

  private:
    void FormCreate();
    void Prepare();

    std::string caption_;
};

}  // namespace brevolt
