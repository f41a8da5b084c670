#include "widgets/PageControl.h"

namespace brevolt::widgets {

void PageControl::AddPage(std::string name, std::string caption) {
    pages_.push_back({std::move(name), std::move(caption), true, nullptr});
    if (active_ < 0) {
        active_ = 0;
    }
    changed();
}

void PageControl::SetOnShow(int index, std::function<void()> onShow) {
    pages_.at(index).OnShow = std::move(onShow);
}

void PageControl::SetTabVisible(int index, bool visible) {
    if (pages_.at(index).tabVisible == visible) {
        return;
    }
    pages_[index].tabVisible = visible;
    if (!visible && index == active_) {
        active_ = -1;
    }
    changed();
}

void PageControl::SetActivePage(int index) {
    if (index == active_ || index < 0 || index >= Count()) {
        return;
    }
    active_ = index;
    changed();
    if (shown_) {
        showActive();
    }
}

void PageControl::SelectTabByUser(int index) {
    if (index >= 0 && index < Count() && pages_[index].tabVisible) {
        SetActivePage(index);
    }
}

void PageControl::SelectNextTabByUser(bool forward) {
    const int count = Count();
    const int step = forward ? 1 : count - 1;
    // With no page active, the first visible one going forward, the last one going back.
    int index = active_ >= 0 ? active_ : forward ? count - 1 : 0;
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step) % count;
        if (pages_[index].tabVisible) {
            SelectTabByUser(index);
            return;
        }
    }
}

void PageControl::Shown() {
    if (!shown_) {
        shown_ = true;
        showActive();
    }
}

void PageControl::showActive() const {
    if (active_ >= 0 && pages_[active_].OnShow) {
        pages_[active_].OnShow();
    }
}

}  // namespace brevolt::widgets
