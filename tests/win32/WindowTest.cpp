// The program's windows and new system colours or settings, which Windows tells top-level
// windows alone.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/win32/TopWindow.h"
#include "win32/Panel.h"
#include "win32/Window.h"

namespace brevolt::win32 {
namespace {

// A control of the system, noting every message it is told.
class Listener {
  public:
    explicit Listener(HWND parent)
        : control_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent,
                                   nullptr, GetModuleHandleW(nullptr), nullptr)) {
        SetWindowSubclass(control_, &Listener::Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    ~Listener() { RemoveWindowSubclass(control_, &Listener::Procedure, 1); }

    HWND handle() const { return control_; }
    long Told(UINT message) const { return std::count(told_.begin(), told_.end(), message); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR /*id*/, DWORD_PTR self) {
        reinterpret_cast<Listener*>(self)->told_.push_back(message);
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND control_;  // goes with its parent
    std::vector<UINT> told_;
};

// A control on the top-level window and one on a panel within it, as the program lays out its
// lists and buttons.
class WindowTest : public ::testing::Test {
  protected:
    testing::TopWindow top{L"WindowTest", 300, 200};
    Panel panel{top.handle(), GetSysColor(COLOR_BTNFACE)};
    Listener direct{top.handle()};
    Listener nested{panel.handle()};
};

TEST_F(WindowTest, EveryControlWithinHearsOfNewColoursAndSettingsOnce) {
    for (const UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        SCOPED_TRACE(message);
        SendMessageW(top.handle(), message, 0, 0);
        EXPECT_EQ(direct.Told(message), 1);
        EXPECT_EQ(nested.Told(message), 1);
    }
}

TEST_F(WindowTest, NewColoursOrHighContrastDrawEverythingAnew) {
    SetWindowPos(top.handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    panel.SetBounds({0, 0, 200, 100});
    const struct {
        UINT message;
        WPARAM setting;
        bool drawnAnew;
    } cases[] = {
        {WM_SYSCOLORCHANGE, 0, true},
        {WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, true},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, false},  // nothing the program draws changed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SCOPED_TRACE(c.setting);
        RedrawWindow(top.handle(), nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
        SendMessageW(top.handle(), c.message, c.setting, 0);
        EXPECT_EQ(GetUpdateRect(nested.handle(), nullptr, FALSE) != FALSE, c.drawnAnew);
        EXPECT_EQ(GetUpdateRect(direct.handle(), nullptr, FALSE) != FALSE, c.drawnAnew);
    }
}

}  // namespace
}  // namespace brevolt::win32
