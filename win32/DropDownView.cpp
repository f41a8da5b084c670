#include "win32/DropDownView.h"
#include "win32/Rebuild.h"

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

// How far the open list reaches below the box.
constexpr int kListHeight = 200;

}  // namespace

DropDownView::DropDownView(widgets::DropDownList& model, HWND parent) : model_(model) {
    create(L"BrevoltDropDownView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
           WS_EX_CONTROLPARENT, 0, 0, 0, 0, parent);
    font_ = CreateUiFont(handle(), L"Tahoma", -11, false);
    combo_ = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
        0, 0, Scale(handle(), kListHeight), handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void DropDownView::refresh() {
    const Rebuild rebuild(combo_, updating_);
    std::vector<std::string> entries;
    for (int index = 0; index < model_.Count(); ++index) {
        entries.push_back(model_.Entry(index));
    }
    // Refilled only when the entries changed: a choice must not empty the list the user is in.
    if (entries != shown_) {
        SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
        for (const auto& entry : entries) {
            SendMessageW(combo_, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(text::Widen(entry).c_str()));
        }
        shown_ = std::move(entries);
    }
    SendMessageW(combo_, CB_SETCURSEL, model_.SelectedIndex(), 0);
}

LRESULT DropDownView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(combo_, 0, 0, LOWORD(lParam), Scale(handle(), kListHeight), TRUE);
            return 0;
        case WM_SETFOCUS:
            SetFocus(combo_);
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == combo_ && HIWORD(wParam) == CBN_SELCHANGE &&
                !updating_) {
                model_.ChooseByUser(static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)));
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace brevolt::win32
