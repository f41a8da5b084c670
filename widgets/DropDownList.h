#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/ChangeNotifier.h"

namespace brevolt::widgets {

// A drop-down list the user can only choose from (no typing); entries stay in the order given.
class DropDownList : public ChangeNotifier {
  public:
    void Clear();  // no entries, nothing selected
    void Append(const std::string& text);
    void Insert(int index, const std::string& text);
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Entry(int index) const { return entries_.at(index); }

    int SelectedIndex() const { return selected_; }  // -1: none
    std::string SelectedText() const;
    // Selects as the program does: no change event.
    void Select(int index);
    // The user chose an entry: selects it and raises the change event.
    void ChooseByUser(int index);

    std::function<void()> OnChange;  // the user's choice

  private:
    std::vector<std::string> entries_;
    int selected_ = -1;
};

}  // namespace brevolt::widgets
