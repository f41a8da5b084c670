#include "widgets/DropDownList.h"

namespace brevolt::widgets {

void DropDownList::Clear() {
    entries_.clear();
    selected_ = -1;
    changed();
}

void DropDownList::Append(const std::string& text) {
    entries_.push_back(text);
    changed();
}

void DropDownList::Insert(int index, const std::string& text) {
    entries_.insert(entries_.begin() + index, text);
    if (selected_ >= index) {
        ++selected_;
    }
    changed();
}

std::string DropDownList::SelectedText() const {
    return selected_ >= 0 ? entries_[selected_] : std::string();
}

void DropDownList::Select(int index) {
    selected_ = index >= 0 && index < Count() ? index : -1;
    changed();
}

void DropDownList::ChooseByUser(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    Select(index);
    if (OnChange) {
        OnChange();
    }
}

}  // namespace brevolt::widgets
