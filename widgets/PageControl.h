#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/ChangeNotifier.h"

namespace brevolt::widgets {

// Tab pages whose tabs can be hidden and shown. A page's show event is raised whenever it becomes
// the visible page: when it is made active while the control is on screen, and for the active page
// when the control first appears.
class PageControl : public ChangeNotifier {
  public:
    struct Page {
        std::string name;
        std::string caption;
        bool tabVisible = true;
        std::function<void()> OnShow;
    };

    void AddPage(std::string name, std::string caption);
    int Count() const { return static_cast<int>(pages_.size()); }
    const Page& PageAt(int index) const { return pages_.at(index); }
    void SetOnShow(int index, std::function<void()> onShow);

    // Hiding the active page's tab leaves no page active.
    void SetTabVisible(int index, bool visible);
    int ActivePageIndex() const { return active_; }  // -1: none
    void SetActivePage(int index);
    // The user selected a tab.
    void SelectTabByUser(int index);
    // The user asked for the next (or previous) visible tab, round from the last to the first.
    void SelectNextTabByUser(bool forward);

    // The control appears on screen for the first time.
    void Shown();

  private:
    void showActive() const;

    std::vector<Page> pages_;
    int active_ = -1;
    bool shown_ = false;
};

}  // namespace brevolt::widgets
