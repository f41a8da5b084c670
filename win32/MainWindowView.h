#pragma once

#include <memory>
#include <vector>

#include "app/TfrmMain.h"
#include "win32/CheckListView.h"
#include "win32/DropDownView.h"
#include "win32/FlatButtonView.h"
#include "win32/Gdi.h"
#include "win32/GridView.h"
#include "win32/Panel.h"
#include "win32/TabView.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The main window on screen: 651 x 540, centred, sizeable; the header with the version's name
// and the two flat buttons, the menu bar, the tab pages and the status bar. It shows TfrmMain's
// controls and hands the user's input to them; it takes no decision of its own.
class MainWindowView : public Window {
  public:
    explicit MainWindowView(TfrmMain& model);

    // The first id of the menu commands; a menu item's id is this plus its place in the menu
    // tree, counted depth first.
    static constexpr UINT kFirstMenuCommand = 100;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void createHeader();
    void createPages();
    void createIdentityPage();
    HMENU buildMenu(widgets::MenuItem& parent, bool popup);
    void showGridMenu(POINT screen);
    void layout();
    void layoutHeader(int width, int height);

    TfrmMain& model_;
    UniqueFont font_;
    UniqueFont headerFont_;
    UniqueFont boldFont_;
    std::unique_ptr<Panel> header_;
    UniqueWindow label_;
    std::unique_ptr<FlatButtonView> save_;
    std::unique_ptr<FlatButtonView> exit_;
    std::unique_ptr<TabView> pages_;
    std::unique_ptr<GridView> grid_;
    std::unique_ptr<CheckListView> options_;
    std::unique_ptr<Panel> identityStrip_;
    UniqueWindow identityLabel_;
    std::unique_ptr<DropDownView> identities_;
    std::unique_ptr<CheckListView> identityOptions_;
    std::unique_ptr<CheckListView> expressOptions_;
    UniqueWindow statusBar_;
    std::vector<widgets::MenuItem*> commands_;
};

}  // namespace brevolt::win32
