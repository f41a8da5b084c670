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
        : name(std::move(name)), caption(std::move(caption)), tag(tag) {}

    // Appends a sub-item and returns it (valid until the next append to this item).
    MenuItem& Add(MenuItem item) {
        items.push_back(std::move(item));
        return items.back();
    }
    bool IsSeparator() const { return caption == "-"; }
    // The user chose the item.
    void Click() {
        if (OnClick) {
            OnClick(*this);
        }
    }
    // The sub-item of this name, searched through the whole tree; null when there is none.
    MenuItem* Find(const std::string& name);

    std::string name;
    std::string caption;
    int tag = 0;
    // The view asks these each time the menu opens.
    bool enabled = true;
    bool checked = false;
    bool radio = false;  // checked, it shows a radio mark: one choice of several
    std::function<void(MenuItem&)> OnClick;
    std::vector<MenuItem> items;
};

inline MenuItem* MenuItem::Find(const std::string& name) {
    for (auto& item : items) {
        if (item.name == name) {
            return &item;
        }
        if (auto* found = item.Find(name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace brevolt::widgets
