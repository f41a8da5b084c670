#pragma once

#include "widgets/Controls.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// A flat button drawn by the program: caption in white bold on its colour, a smaller bold font
// while the mouse is over it, and its hint as a tooltip. A click calls the model's Click.
class FlatButtonView : public Window {
  public:
    FlatButtonView(widgets::FlatButton& model, HWND parent, COLORREF colour);

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    void setHover(bool hover);

    widgets::FlatButton& model_;
    COLORREF colour_;
    UniqueFont font_;
    UniqueFont hoverFont_;
    UniqueWindow tooltip_;
    bool hover_ = false;
    bool pressed_ = false;
};

}  // namespace brevolt::win32
