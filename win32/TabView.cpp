#include "win32/TabView.h"

#include <commctrl.h>

#include <algorithm>

#include "base/WideText.h"
#include "win32/HeldDrawing.h"

namespace brevolt::win32 {

TabView::TabView(widgets::PageControl& model, HWND parent) : model_(model) {
    create(L"BrevoltTabs", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0,
           0, 0, parent);
    tabs_ = CreateWindowExW(
        0, WC_TABCONTROLW, L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_BOTTOM | TCS_MULTILINE, 0, 0, 0,
        0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(handle(), GWLP_ID, static_cast<LONG_PTR>(ControlId::Pages));
    SetWindowLongPtrW(tabs_, GWLP_ID, static_cast<LONG_PTR>(ControlId::Tabs));
    font_ = CreateUiFont(handle(), L"Tahoma", -11, false);
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    // A page's panel is made when it is first asked for: each window costs time before the
    // main window shows, and only one page is in sight then.
    pages_.resize(model_.Count());
    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void TabView::SetDpi(UINT dpi) {
    font_ = CreateUiFont(dpi, L"Tahoma", -11, false);
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    layout();
}

Panel& TabView::Page(int index) {
    auto& page = pages_.at(index);
    if (page == nullptr) {
        page = std::make_unique<Panel>(handle(), GetSysColor(COLOR_BTNFACE), true);
        // Above the tab control, which would otherwise paint over it.
        const RECT bounds = pageBounds();
        SetWindowPos(page->handle(), HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOACTIVATE);
    }
    return *page;
}

HWND TabView::FirstControlOfActivePage() const {
    const int active = model_.ActivePageIndex();
    if (active < 0 || active >= static_cast<int>(pages_.size()) || pages_[active] == nullptr) {
        return tabs_;
    }
    const HWND page = pages_[active]->handle();
    const HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    return first != nullptr && IsChild(page, first) ? first : tabs_;
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
        remakeTabs(std::move(visible));
    }
    const auto activeTab = std::find(tabPages_.begin(), tabPages_.end(), model_.ActivePageIndex());
    TabCtrl_SetCurSel(tabs_, activeTab == tabPages_.end() ? -1 : activeTab - tabPages_.begin());
    // The keyboard focus does not stay on a page that goes out of sight.
    const HWND focus = GetFocus();
    bool focusHidden = false;
    const int active = model_.ActivePageIndex();
    if (active >= 0 && active < static_cast<int>(pages_.size())) {
        if (BeforePageShows) {
            BeforePageShows(active);
        }
        // On top of the page it replaces, so that page goes without exposing anything: only the
        // new page paints, not the tab control beneath.
        SetWindowPos(Page(active).handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        if (i == active || pages_[i] == nullptr) {
            continue;
        }
        const HWND page = pages_[i]->handle();
        // Its own visibility: before the window shows, every page is out of sight.
        if ((GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE) != 0) {
            focusHidden |= focus == page || IsChild(page, focus);
            ShowWindow(page, SW_HIDE);
        }
    }
    if (focusHidden) {
        SetFocus(FirstControlOfActivePage());
    }
}

void TabView::remakeTabs(std::vector<int> pages) {
    const RECT pagesBefore = pageBounds();
    {
        // The tab control repaints itself whole when its tabs change, its pane too, which lies
        // under the pages and stays as it was. Under Wine that pane is stretched with halftoning
        // over its whole size, whatever covers it: 5 ms.
        const OwnInvalidation own(tabs_);
        TabCtrl_DeleteAllItems(tabs_);
        tabPages_ = std::move(pages);
        for (std::size_t tab = 0; tab < tabPages_.size(); ++tab) {
            std::wstring caption = text::Widen(model_.PageAt(tabPages_[tab]).caption);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(tabs_, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
        }
    }
    layout();  // the rows of tabs may have changed
    const RECT pagesAfter = pageBounds();
    if (EqualRect(&pagesBefore, &pagesAfter)) {
        // The band of tabs below the pages, with the pane's edge the chosen tab joins.
        RECT band;
        GetClientRect(tabs_, &band);
        band.top = pagesAfter.bottom;
        InvalidateRect(tabs_, &band, TRUE);
    } else {
        InvalidateRect(tabs_, nullptr, TRUE);
    }
}

void TabView::layout() {
    RECT client;
    GetClientRect(handle(), &client);
    MoveChild(tabs_, client);
    const RECT bounds = pageBounds();
    for (const auto& page : pages_) {
        if (page != nullptr) {
            MoveChild(page->handle(), bounds);
        }
    }
}

RECT TabView::pageBounds() const {
    RECT bounds;
    GetClientRect(handle(), &bounds);
    TabCtrl_AdjustRect(tabs_, FALSE, &bounds);
    return bounds;
}

LRESULT TabView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
                const int tab = TabCtrl_GetCurSel(tabs_);
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
