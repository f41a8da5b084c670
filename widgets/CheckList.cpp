#include "widgets/CheckList.h"

namespace brevolt::widgets {

void CheckList::SetItems(const std::vector<std::string>& captions) {
    items_.clear();
    for (const auto& caption : captions) {
        items_.push_back({caption, false, true, {}});
    }
    if (focused_ >= Count()) {
        ItemFocusedByUser(-1);  // the focused item went; the view reports where the focus is now
    }
    changed();
}

void CheckList::SetChecked(int index, bool checked) {
    items_.at(index).checked = checked;
    changed();
}

void CheckList::SetEnabled(int index, bool enabled) {
    items_.at(index).enabled = enabled;
    changed();
}

void CheckList::SetHint(int index, std::string hint) {
    if (items_.at(index).hint != hint) {
        items_[index].hint = std::move(hint);
        changed();
    }
}

bool CheckList::ToggleByUser(int index) {
    if (index < 0 || index >= Count() || !items_[index].enabled) {
        return false;
    }
    items_[index].checked = !items_[index].checked;
    changed();
    if (OnToggledByUser) {
        OnToggledByUser(index);
    }
    return true;
}

void CheckList::ItemFocusedByUser(int index) {
    if (index < 0 || index >= Count()) {
        index = -1;
    }
    if (index == focused_) {
        return;
    }
    focused_ = index;
    if (OnItemFocused) {
        OnItemFocused(index);
    }
}

}  // namespace brevolt::widgets
