#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brevolt::widgets {

// A menu item with its sub-items: a menu bar, a drop-down menu or a context menu.
class MenuItem {
  public:
    MenuItem() = default;
    MenuItem(std::string name, std::string caption, int tag = 0)
        : Name(std::move(name)), Caption(std::move(caption)), Tag(tag) {}

    // Appends a sub-item and returns it (valid until the next append to this item).
    MenuItem& Add(MenuItem item) {
        Items.push_back(std::move(item));
        return Items.back();
    }
    bool IsSeparator() const { return Caption == "-"; }
    // The user chose the item.
    void Click() {
        if (OnClick) {
            OnClick(*this);
        }
    }
    // The sub-item of this name, searched through the whole tree; null when there is none.
    MenuItem* Find(const std::string& name);

    std::string Name;
    std::string Caption;
    int Tag = 0;
    std::function<void(MenuItem&)> OnClick;
    std::vector<MenuItem> Items;
};

inline MenuItem* MenuItem::Find(const std::string& name) {
    for (auto& item : Items) {
        if (item.Name == name) {
            return &item;
        }
        if (auto* found = item.Find(name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace brevolt::widgets
