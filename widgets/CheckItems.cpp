#include "widgets/CheckItems.h"

namespace brevolt::widgets {

void LoadTicks(CheckList& list, std::span<const CheckItem> items) {
    const BatchedUpdate update(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        list.SetChecked(static_cast<int>(i), items[i].read());
    }
}

std::vector<bool> Ticks(const CheckList& list) {
    std::vector<bool> ticks;
    for (int i = 0; i < list.Count(); ++i) {
        ticks.push_back(list.Checked(i));
    }
    return ticks;
}

void SetTicks(CheckList& list, const std::vector<bool>& ticks) {
    const BatchedUpdate update(list);
    for (std::size_t i = 0; i < ticks.size() && static_cast<int>(i) < list.Count(); ++i) {
        list.SetChecked(static_cast<int>(i), ticks[i]);
    }
}

std::vector<std::string> SaveTicks(const CheckList& list, std::span<const CheckItem> items) {
    std::vector<std::string> notSaved;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int index = static_cast<int>(i);
        if (!items[i].write(list.Checked(index))) {
            notSaved.push_back(list.ItemAt(index).caption);
        }
    }
    return notSaved;
}

}  // namespace brevolt::widgets
