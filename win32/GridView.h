#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/ColumnGrid.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The colour a cell's mark-up asks for; none for the list's own colour.
std::optional<COLORREF> CellTextColour(const std::string& cellText);

// A ColumnGrid on screen: a report list view whose header is the grid's row 0 and whose items
// are its other rows, with the check box of column 0 as the item's check box (so that screen
// readers tell it), drawn by the view centred in its cell. A click on the box and the space bar
// toggle it; the user's toggles and header clicks go to the model, which then has the list
// redrawn.
//
// One view binds one model: the view takes over the model's OnChanged and text measure until
// it goes, and the model must outlive the view.
class GridView : public ControlView {
  public:
    GridView(widgets::ColumnGrid& model, HWND parent);
    ~GridView() override { destroy(); }

    HWND control() const { return handle(); }

    // The user asked for the context menu (right click, or the menu key) at this screen point.
    std::function<void(POINT screen)> OnContextMenu;

    std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void setRowHeight();
    void refresh();
    void refreshColumns();
    void refreshItems();
    void formatHeader();
    LRESULT notified(const NMHDR& header, LPARAM lParam);
    LRESULT customDraw(LPARAM lParam);
    // Where column 0's box of the item is drawn, in the list's client coordinates.
    RECT boxOf(int item) const;
    void drawBox(HDC dc, int item) const;
    void openBoxTheme();
    void clicked(const NMITEMACTIVATE& click);
    int rowOf(int item) const;

    // What the list shows, to send it only what changed: the list view then redraws those
    // items alone.
    struct ShownColumn {
        std::string title;
        int width = 0;
        int format = 0;
        bool operator==(const ShownColumn&) const = default;
    };
    struct ShownItem {
        std::vector<std::string> cells;  // with their mark-up, which sets the colours
        int box = 0;                     // state image: 0 none, 1 unticked, 2 ticked
        bool operator==(const ShownItem&) const = default;
    };

    widgets::ColumnGrid& model_;
    UniqueFont font_;
    UniqueFont headerFont_;
    UniqueTheme boxTheme_;         // the system's check box, when a visual style is on
    bool updating_ = false;        // the view's own changes are no user input
    COLORREF itemTextColour_ = 0;  // the list's colour for the item being drawn
    std::vector<ShownColumn> shownColumns_;
    std::vector<ShownItem> shownItems_;
};

}  // namespace brevolt::win32
