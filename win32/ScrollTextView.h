#pragma once

#include "widgets/ScrollText.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The scrolling text on screen: its lines centred and wrapped, moved by a 50 ms window timer
// while the model runs, and held and dragged with the left mouse button.
class ScrollTextView : public Window {
  public:
    ScrollTextView(widgets::ScrollText& model, HWND parent);
    ~ScrollTextView() override { destroy(); }

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int lineHeight(const std::string& line, int width) const;
    void paint();

    widgets::ScrollText& model_;
    UniqueFont font_;
};

}  // namespace brevolt::win32
