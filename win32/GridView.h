#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/ColumnGrid.h"
#include "win32/FrameCopy.h"
#include "win32/Gdi.h"
#include "win32/HeaderCopy.h"
#include "win32/Palette.h"
#include "win32/ThemedBoxes.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// The colour of a cell's text in this tone; none for the list's own colour. Under High Contrast
// every tone takes a colour of the user's scheme (RoleColour), and a selected row keeps the
// list's own, its highlight text, which the scheme pairs with its highlight: the words tell the
// meaning.
std::optional<COLORREF> ToneColour(widgets::TextTone tone, bool highContrast, bool selected,
                                   const SystemColours& system);

// A ColumnGrid on screen: a virtual report list view (it asks for what it shows) whose header
// shows the grid's header texts and whose item i is row i. The check box of column 0 is the
// item's check box (so that screen readers tell it), drawn by the view centred in its cell. A
// click on the box and the space bar toggle it; the user's toggles and header clicks go to the
// model, which then has the rows that changed redrawn, and no others.
//
// One view binds one model: the view takes over the model's OnChanged and text measure until
// it goes, and the model must outlive the view.
class GridView : public ControlView {
  public:
    // `name` is the list's accessible name: screen readers announce it. `boxes` draws the check
    // boxes, shared by the lists of a window, and must outlive the view.
    GridView(widgets::ColumnGrid& model, HWND parent, ControlId id, const std::string& name,
             ThemedBoxes& boxes);
    ~GridView() override { destroy(); }

    HWND control() const { return handle(); }

    // The user asked for the context menu (right click, or the menu key) at this screen point.
    std::function<void(POINT screen)> OnContextMenu;

    std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void resized() override { fitFillColumn(); }
    // The frame is painted from a copy while it looks the same.
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpiChanged() override;

  private:
    void makeFonts();
    void installMeasure();
    // The fill column takes the width the others leave in the list's client area; whether its
    // width changed.
    bool fitFillColumn();
    void setRowHeight();
    // Rows from first to last; none when last < first.
    struct ChangedRows {
        int first = 0;
        int last = -1;
    };
    void refresh();
    // Header marks and the focused item, after the rows.
    void refreshRest();
    // Whether any column changed.
    bool refreshColumns();
    bool columnsChanged() const;
    // Takes the rows in; the rows that stayed and changed.
    ChangedRows refreshItems();
    // Takes the row into the shown copy; whether it changed.
    bool takeRow(int row);
    // Redraws those of the rows that are in sight, in one go.
    void redrawRows(ChangedRows rows);
    void giveDisplayInfo(LVITEMW& item) const;
    void formatHeader();
    LRESULT notified(const NMHDR& header, LPARAM lParam);
    LRESULT customDraw(LPARAM lParam);
    // Where column 0's box of the item is drawn, in the list's client coordinates.
    RECT boxOf(int item) const;
    void drawBox(HDC dc, int item);
    void clicked(const NMITEMACTIVATE& click);
    // The row's state image: 0 no box, 1 unticked, 2 ticked.
    int tickState(int row) const;
    // The row an item shows, or -1 where there is none.
    int rowOf(int item) const;

    // What the list shows, to redraw only what changed.
    struct ShownColumn {
        std::string title;
        int width = 0;
        int format = 0;
        bool operator==(const ShownColumn&) const = default;
    };
    ShownColumn wantedColumn(int col) const;
    struct ShownCell {
        std::string text;
        widgets::TextTone tone = widgets::TextTone::Plain;  // a new tone alone redraws the item
        bool operator==(const ShownCell&) const = default;
    };
    struct ShownItem {
        std::vector<ShownCell> cells;
        int box = 0;  // state image: 0 none, 1 unticked, 2 ticked
        bool operator==(const ShownItem&) const = default;
    };

    widgets::ColumnGrid& model_;
    UniqueFont font_;
    UniqueFont headerFont_;
    ThemedBoxes& themedBoxes_;
    std::optional<HeaderCopy> headerCopy_;
    FrameCopy frameCopy_;
    bool painting_ = false;        // between the list's first and last custom draw of a paint
    bool highContrast_ = false;    // as at the start of the paint
    COLORREF itemTextColour_ = 0;  // the list's colour for the item being drawn
    std::vector<ShownColumn> shownColumns_;
    std::vector<ShownItem> shownItems_;
};

}  // namespace brevolt::win32
