#pragma once

#include <memory>

#include "app/AboutDialog.h"
#include "win32/FlatButtonView.h"
#include "win32/Panel.h"
#include "win32/ScrollTextView.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The about dialog on screen: client area 401 x 294, a fixed border with only a close box,
// centred over its owner, the scrolling text above a panel with the "Schliessen" button. Esc
// and Enter close it, as they close any about box.
class AboutView : public Window {
  public:
    AboutView(AboutDialog& model, HWND owner);
    ~AboutView() override { destroy(); }

    // Shows the dialog and keeps the owner disabled until it is closed.
    void RunModal();

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void layout();

    AboutDialog& model_;
    HWND owner_;
    std::unique_ptr<ScrollTextView> text_;
    std::unique_ptr<Panel> buttons_;
    std::unique_ptr<FlatButtonView> close_;
    bool closed_ = false;
};

}  // namespace brevolt::win32
