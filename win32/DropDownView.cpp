#include "win32/DropDownView.h"
#include "win32/Rebuild.h"

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

// How far the open list reaches below the box.
constexpr int kListHeight = 200;

}  // namespace

DropDownView::DropDownView(widgets::DropDownList& model, HWND parent, ControlId id)
    : model_(model) {
    adopt(CreateWindowExW(0, L"COMBOBOX", L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                          0, Scale(parent, kListHeight), parent, nullptr, GetModuleHandleW(nullptr),
                          nullptr),
          id);
    font_ = CreateUiFont(Dpi(), L"Tahoma", -11, false);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void DropDownView::dpiChanged() {
    font_ = CreateUiFont(Dpi(), L"Tahoma", -11, false);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void DropDownView::refresh() {
    const Rebuild rebuild(handle(), updating_);
    std::vector<std::string> entries;
    for (int index = 0; index < model_.Count(); ++index) {
        entries.push_back(model_.Entry(index));
    }
    // Refilled only when the entries changed: a choice must not empty the list the user is in.
    if (entries != shown_) {
        SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
        for (const auto& entry : entries) {
            SendMessageW(handle(), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(text::Widen(entry).c_str()));
        }
        shown_ = std::move(entries);
    }
    SendMessageW(handle(), CB_SETCURSEL, model_.SelectedIndex(), 0);
}

std::optional<LRESULT> DropDownView::reflected(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE && !updating_) {
        model_.ChooseByUser(static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)));
        return 0;
    }
    return std::nullopt;
}

}  // namespace brevolt::win32
