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
    // The user toggled the item; refused while it is disabled. True when it changed.
    bool ToggleByUser(int index);

  private:
    std::vector<Item> items_;
};

}  // namespace brevolt::widgets
