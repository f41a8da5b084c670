#pragma once

#include <functional>
#include <string>

#include "widgets/Controls.h"
#include "widgets/ScrollText.h"

namespace brevolt {

// The about dialog: the program's name and maker in a slowly scrolling text, and a button to
// close it. Each "Über" makes a new one.
class AboutDialog {
  public:
    AboutDialog();  // runs Create
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    const std::string& Caption() const { return caption_; }

    widgets::ScrollText scrollText;
    widgets::FlatButton closeButton;

    // The dialog appears: the text starts again from below.
    void Shown();
    // "Schliessen": ends the dialog.
    void Close();

    // Set by the view: ends the modal dialog.
    std::function<void()> OnClose;

  private:
    void Create();
    void Prepare();

    std::string caption_;
};

}  // namespace brevolt
