#include "win32/TabView.h"

#include <commctrl.h>

#include <algorithm>

#include "base/WideText.h"

namespace brevolt::win32 {

TabView::TabView(widgets::PageControl& model, HWND parent) : model_(model) {
    create(L"BrevoltTabs", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, 0, parent);
    tabs_ = UniqueWindow(
        CreateWindowExW(0, WC_TABCONTROLW, L"",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_BOTTOM | TCS_MULTILINE, 0, 0,
                        0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    font_ = CreateUiFont(handle(), L"Tahoma", -11, false);
    SendMessageW(tabs_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (int i = 0; i < model_.Count(); ++i) {
        pages_.push_back(std::make_unique<Panel>(handle(), GetSysColor(COLOR_BTNFACE)));
        // Above the tab control, which would otherwise paint over them.
        SetWindowPos(pages_.back()->handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    model_.OnChanged = [this] { refresh(); };
    refresh();
}

void TabView::refresh() {
    std::vector<int> visible;
    for (int i = 0; i < model_.Count(); ++i) {
        if (model_.PageAt(i).tabVisible) {
            visible.push_back(i);
        }
    }
    // Tabs are made anew only when others show: a change of the active page alone keeps them.
    const bool newTabs = visible != tabPages_;
    if (newTabs) {
        TabCtrl_DeleteAllItems(tabs_.get());
        tabPages_ = std::move(visible);
        for (std::size_t tab = 0; tab < tabPages_.size(); ++tab) {
            std::wstring caption = text::Widen(model_.PageAt(tabPages_[tab]).caption);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(tabs_.get(), TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
        }
    }
    const auto active = std::find(tabPages_.begin(), tabPages_.end(), model_.ActivePageIndex());
    TabCtrl_SetCurSel(tabs_.get(), active == tabPages_.end() ? -1 : active - tabPages_.begin());
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        ShowWindow(pages_[i]->handle(), i == model_.ActivePageIndex() ? SW_SHOW : SW_HIDE);
    }
    if (newTabs) {
        layout();  // the rows of tabs may have changed
    }
}

void TabView::layout() {
    RECT client;
    GetClientRect(handle(), &client);
    MoveWindow(tabs_.get(), 0, 0, client.right, client.bottom, TRUE);
    RECT display = client;
    TabCtrl_AdjustRect(tabs_.get(), FALSE, &display);
    for (const auto& page : pages_) {
        MoveWindow(page->handle(), display.left, display.top, display.right - display.left,
                   display.bottom - display.top, TRUE);
    }
}

LRESULT TabView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == tabs_.get() && header->code == TCN_SELCHANGE) {
                const int tab = TabCtrl_GetCurSel(tabs_.get());
                if (tab >= 0 && tab < static_cast<int>(tabPages_.size())) {
                    model_.SelectTabByUser(tabPages_[tab]);
                }
                return 0;
            }
            break;
        }
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace brevolt::win32
