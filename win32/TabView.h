#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "widgets/PageControl.h"
#include "win32/Gdi.h"
#include "win32/Panel.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The page control on screen: a tab control with its tabs at the bottom, showing only the tabs
// the model keeps visible, and one panel per page of which the active one is shown.
class TabView : public Window {
  public:
    TabView(widgets::PageControl& model, HWND parent);
    ~TabView() override { destroy(); }

    // The panel of a page, to put the page's controls on; made at the first call, out of sight
    // unless the page is active.
    Panel& Page(int index);
    HWND control() const { return tabs_; }
    // Where the keyboard starts on the active page: its first control in the tab order, or the
    // tabs when no page is active.
    HWND FirstControlOfActivePage() const;
    // The tabs' font and height at another scale.
    void SetDpi(UINT dpi);

    // Called for a page just before it shows, so that its owner can build it at first sight.
    std::function<void(int index)> BeforePageShows;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void refresh();
    // Makes the tabs anew, one for each of these pages, repainting only what changed.
    void remakeTabs(std::vector<int> pages);
    void layout();
    // Where the pages lie, in the tab view's client area.
    RECT pageBounds() const;

    widgets::PageControl& model_;
    HWND tabs_ = nullptr;
    UniqueFont font_;
    std::vector<std::unique_ptr<Panel>> pages_;  // none until first asked for
    std::vector<int> tabPages_;                  // the page shown by each tab
};

}  // namespace brevolt::win32
