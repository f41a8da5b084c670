#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "widgets/ColumnGrid.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The colour a cell's mark-up asks for; none for the list's own colour.
std::optional<COLORREF> CellTextColour(const std::string& cellText);

// A ColumnGrid on screen: a report list view whose header is the grid's row 0 and whose items
// are its other rows, with the check box of column 0 as the item's check box. The user's
// toggles and header clicks go to the model, which then has the list redrawn.
//
// One view binds one model: the view takes over the model's OnChanged and text measure, and
// the model must outlive the view.
class GridView : public Window {
  public:
    GridView(widgets::ColumnGrid& model, HWND parent);
    ~GridView() override;

    HWND control() const { return list_.get(); }

    // The user asked for the context menu (right click, or the menu key) at this screen point.
    std::function<void(POINT screen)> OnContextMenu;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void setRowHeight();
    void refresh();
    void refreshColumns();
    void refreshItems();
    void formatHeader();
    LRESULT notified(const NMHDR& header, LPARAM lParam);
    LRESULT customDraw(LPARAM lParam);
    int rowOf(int item) const;

    widgets::ColumnGrid& model_;
    UniqueFont font_;
    UniqueFont headerFont_;
    bool updating_ = false;        // the view's own changes are no user input
    COLORREF itemTextColour_ = 0;  // the list's colour for the item being drawn
    UniqueWindow list_;            // last: destroyed first, while the rest still stands
};

}  // namespace brevolt::win32
