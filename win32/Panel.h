#pragma once

#include <functional>

#include "win32/Window.h"

namespace brevolt::win32 {

// A plain child window that holds other controls: its owner lays them out when it is resized,
// and may paint on it. It shows from the start unless made hidden.
class Panel : public Window {
  public:
    Panel(HWND parent, COLORREF background, bool hidden = false);
    ~Panel() override { destroy(); }

    std::function<void(int width, int height)> OnSize;
    std::function<void(HDC dc, const RECT& client)> OnPaint;

    // Lays out what is on the panel for its present size, as a resize does.
    void Relayout();

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    COLORREF background_;
};

}  // namespace brevolt::win32
