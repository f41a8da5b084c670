#include "widgets/CheckItems.h"

namespace brevolt::widgets {

void LoadTicks(CheckList& list, std::span<const CheckItem> items) {
    const BatchedUpdate update(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        list.SetChecked(static_cast<int>(i), items[i].read());
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
