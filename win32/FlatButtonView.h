#pragma once

#include "widgets/Controls.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// A flat button: to the system (keyboard, dialog navigation, screen readers, UI Automation) a
// real push button, an owner-drawn BUTTON in the tab order, pressed by a click, Space, Enter or
// BM_CLICK. The program draws it: the caption in white bold on its colour (under High Contrast
// in the scheme's button colours, with a line round it), a smaller bold font while the mouse is
// over it, a focus rectangle when it has the focus; its hint is a tooltip, once MakeToolTip made
// it. A press calls the model's Click.
class FlatButtonView : public ControlView {
  public:
    FlatButtonView(widgets::FlatButton& model, HWND parent, COLORREF colour, ControlId id);
    ~FlatButtonView() override { destroy(); }

    // Makes the tooltip that shows the hint; a tooltip is a window of its own, which the window
    // may make after it shows. Once only.
    void MakeToolTip();

    std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpiChanged() override;

  private:
    void makeFonts();
    void draw(const DRAWITEMSTRUCT& item) const;
    void setHover(bool hover);

    widgets::FlatButton& model_;
    COLORREF colour_;
    UniqueFont font_;
    UniqueFont hoverFont_;
    bool hover_ = false;
    bool hasToolTip_ = false;
};

}  // namespace brevolt::win32
