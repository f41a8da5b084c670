#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/ChangeNotifier.h"

namespace brevolt::widgets {

// A list of check items; an item can be disabled (greyed, and the user cannot change it).
class CheckList : public ChangeNotifier {
  public:
    struct Item {
        std::string caption;
        bool checked = false;
        bool enabled = true;
        std::string hint;  // shown as the item's tool tip: why it is disabled, say
    };

    void SetItems(const std::vector<std::string>& captions);  // all unticked and enabled
    int Count() const { return static_cast<int>(items_.size()); }
    const Item& ItemAt(int index) const { return items_.at(index); }

    bool Checked(int index) const { return items_.at(index).checked; }
    void SetChecked(int index, bool checked);
    bool Enabled(int index) const { return items_.at(index).enabled; }
    void SetEnabled(int index, bool enabled);
    void SetHint(int index, std::string hint);
    // The user toggled the item; refused while it is disabled. True when it changed, and then
    // OnToggledByUser is raised.
    bool ToggleByUser(int index);
    std::function<void(int index)> OnToggledByUser;

    // The item with the keyboard focus while the list has the focus, else -1: the window logic
    // tells the user its hint, since a tool tip comes only to the mouse.
    int FocusedItem() const { return focused_; }
    // The view reports the focused item, -1 when the list lost the focus (or no item has it).
    // Raises OnItemFocused on a change only; an index out of range counts as -1.
    void ItemFocusedByUser(int index);
    // Not a change of the list's contents, so no OnChanged: the view has nothing to redraw.
    std::function<void(int index)> OnItemFocused;

  private:
    std::vector<Item> items_;
    int focused_ = -1;
};

}  // namespace brevolt::widgets
