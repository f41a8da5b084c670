#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "widgets/CheckList.h"
#include "win32/Gdi.h"
#include "win32/ThemedBoxes.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// A CheckList on screen: a list view of check items without a header, in one column as wide as
// the list. Disabled items are drawn greyed; every toggle of the user's goes to the model, which
// refuses it for a disabled item. An item's hint is its tool tip, and the view tells the model
// which item has the keyboard focus, for a user who does not hover with the mouse.
//
// One view binds one model: the view takes over the model's OnChanged until it goes, and the
// model must outlive the view.
class CheckListView : public ControlView {
  public:
    // `name` is the list's accessible name: screen readers announce it. `boxes` draws the check
    // boxes, shared by the lists of a window, and must outlive the view.
    CheckListView(widgets::CheckList& model, HWND parent, ControlId id, const std::string& name,
                  ThemedBoxes& boxes);
    ~CheckListView() override { destroy(); }

    HWND control() const { return handle(); }

    std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void resized() override { fitColumn(); }  // one column as wide as the list
    void dpiChanged() override;

  private:
    // What the list shows of an item, to find the items a change of the model redraws.
    struct ShownItem {
        std::wstring caption;
        bool checked = false;
        bool enabled = true;
        bool operator==(const ShownItem&) const = default;
    };

    void refresh();
    void fitColumn();
    void reportFocus();
    LRESULT notified(const NMHDR& header, LPARAM lParam);
    LRESULT customDraw(NMLVCUSTOMDRAW& draw);
    void giveState(LVITEMW& item) const;
    void drawBox(HDC dc, int index);
    RECT boxOf(int index) const;

    widgets::CheckList& model_;
    UniqueFont font_;
    ThemedBoxes& boxes_;
    std::vector<ShownItem> shown_;
    bool updating_ = false;  // the view's own changes are no user input
    bool painting_ = false;  // between the list's first and last custom draw of a paint
};

}  // namespace brevolt::win32
