#pragma once

#include <array>
#include <memory>
#include <vector>

#include "app/MainWindow.h"
#include "win32/CheckListView.h"
#include "win32/DropDownView.h"
#include "win32/FlatButtonView.h"
#include "win32/Gdi.h"
#include "win32/GridView.h"
#include "win32/Panel.h"
#include "win32/TabView.h"
#include "win32/ThemedBoxes.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The main window on screen: 720 x 540, centred, sizeable; the header with the version's name
// and the two flat buttons, the menu bar, the tab pages and the status bar. It shows MainWindow's
// controls and hands the user's input to them; it takes no decision of its own.
//
// It is keyboard-complete as a dialog is: Tab and Shift+Tab go round the active page's list, the
// tabs and the two buttons; Ctrl+Tab and Ctrl+Shift+Tab change the page; Ctrl+S saves.
// The window's bounds: `width` x `height`, no larger than the work area, centred in it.
RECT FittedWindowBounds(const RECT& workArea, int width, int height);

class MainWindowView : public Window {
  public:
    explicit MainWindowView(MainWindow& model);
    ~MainWindowView() override { destroy(); }

    // Handles a message of the loop meant for the window's keyboard interface; false when it is
    // left to the usual translation and dispatch.
    bool TranslateInput(MSG& message);

    // The first id of the menu commands; a menu item's id is this plus its place in the menu
    // tree, counted depth first.
    static constexpr UINT kFirstMenuCommand = 100;
    // Commands of the keyboard only, below the menu's.
    static constexpr UINT kSaveCommand = 90;
    static constexpr UINT kNextPageCommand = 91;
    static constexpr UINT kPreviousPageCommand = 92;
    // Posted to itself: builds what is not in sight at the first paint, the other pages and the
    // tooltips.
    static constexpr UINT kFinishBuildingMessage = WM_APP + 1;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void makeFonts();
    void createHeader();
    void createStatusBar();
    void layoutStatusBar();
    void makeToolTips();
    // The status tip over the notice's part, saying the whole notice.
    void fitStatusTip();
    // Fonts, sizes and layout at the new scale, in the rectangle the system suggests.
    void dpiChanged(UINT dpi, const RECT& suggested);
    int scaled(int pixels) const { return ScaleTo(pixels, dpi_); }
    void createPages();
    void buildPage(int index);
    void buildUnblockingPage(Panel& page);
    void buildIdentityPage(Panel& page);
    // The height the notice's text needs at this width.
    int NoticeHeight(int width) const;
    HMENU buildMenu(widgets::MenuItem& parent, bool popup);
    // Each item of the opening menu as its model says: enabled, checked, radio mark.
    void showMenuStates(HMENU menu);
    void showGridMenu(POINT screen);
    void layout();
    void layoutHeader(int width, int height);
    void activated(bool active);

    MainWindow& model_;
    UINT dpi_ = 96;
    UniqueFont font_;
    UniqueFont headerFont_;
    UniqueFont boldFont_;
    UniqueAccelerators accelerators_;
    std::unique_ptr<Panel> header_;
    HWND label_ = nullptr;
    std::unique_ptr<FlatButtonView> save_;
    std::unique_ptr<FlatButtonView> exit_;
    ThemedBoxes boxes_;  // the lists' check boxes: each look is drawn once for all of them
    std::unique_ptr<TabView> pages_;
    std::unique_ptr<GridView> grid_;
    HWND notice_ = nullptr;  // the policy's notice above the grid, once there was one
    std::unique_ptr<CheckListView> options_;
    HWND identityLabel_ = nullptr;
    std::unique_ptr<DropDownView> identities_;
    std::unique_ptr<CheckListView> identityOptions_;
    std::unique_ptr<CheckListView> expressOptions_;
    HWND statusBar_ = nullptr;
    HWND statusTip_ = nullptr;  // goes with the window; made after the first paint
    std::vector<widgets::MenuItem*> commands_;
    std::array<bool, 4> built_{};  // which pages have their controls
    HWND focus_ = nullptr;         // the control that had the focus when the window was left
};

}  // namespace brevolt::win32
