#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "widgets/DropDownList.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace brevolt::win32 {

// A DropDownList on screen: a combo box the user can only choose from, its entries in the
// model's order. The user's choice goes to the model.
//
// One view binds one model: the view takes over the model's OnChanged until it goes, and the model
// must outlive the view.
class DropDownView : public ControlView {
  public:
    DropDownView(widgets::DropDownList& model, HWND parent, ControlId id);
    ~DropDownView() override { destroy(); }

    HWND control() const { return handle(); }

    std::optional<LRESULT> reflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void dpiChanged() override;

  private:
    void refresh();

    widgets::DropDownList& model_;
    UniqueFont font_;
    std::vector<std::string> shown_;  // the entries in the combo box
    bool updating_ = false;           // the view's own changes are no user input
};

}  // namespace brevolt::win32
