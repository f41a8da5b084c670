#include "win32/MainWindowView.h"

#include <commctrl.h>

#include <algorithm>

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

// Wide enough for the grid's five columns at their fitted widths.
constexpr int kWidth = 720;
constexpr int kHeight = 540;
constexpr int kHeaderHeight = 49;
constexpr COLORREF kButtonColour = RGB(173, 173, 214);

void FillParent(Panel& panel, ControlView& view) {
    panel.OnSize = [&view](int width, int height) { view.SetBounds({0, 0, width, height}); };
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model) : model_(model) {
    RECT desktop{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    const int width = Scale(nullptr, kWidth);
    const int height = Scale(nullptr, kHeight);
    create(L"MainWindow", text::Widen(model_.Caption()).c_str(),
           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
           desktop.left + (desktop.right - desktop.left - width) / 2,
           desktop.top + (desktop.bottom - desktop.top - height) / 2, width, height, nullptr);
    font_ = CreateUiFont(handle(), L"MS Sans Serif", -11, false);
    headerFont_ = CreateUiFont(handle(), L"MS Sans Serif", -24, true);
    boldFont_ = CreateUiFont(handle(), L"MS Sans Serif", -11, true);

    SetMenu(handle(), buildMenu(model_.mainMenu, false));
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'S', kSaveCommand},
        {FVIRTKEY | FCONTROL, VK_TAB, kNextPageCommand},
        {FVIRTKEY | FCONTROL | FSHIFT, VK_TAB, kPreviousPageCommand},
    };
    accelerators_ = UniqueAccelerators(CreateAcceleratorTableW(keys, std::size(keys)));
    createHeader();
    createPages();
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                 0, 0, 0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const auto showStatus = [this] {
        SendMessageW(statusBar_, SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(text::Widen(model_.statusBar.Text()).c_str()));
    };
    showStatus();
    bind(model_.statusBar.OnChanged, showStatus);
    layout();
}

bool MainWindowView::TranslateInput(MSG& message) {
    if (handle() == nullptr) {
        return false;
    }
    return TranslateAcceleratorW(handle(), accelerators_.get(), &message) != 0 ||
           IsDialogMessageW(handle(), &message) != FALSE;
}

void MainWindowView::createHeader() {
    header_ = std::make_unique<Panel>(handle(), GetSysColor(COLOR_BTNFACE));
    label_ = CreateWindowExW(
        0, L"STATIC", text::Widen(model_.header.Text()).c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0, 0,
        0, header_->handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_.get()), FALSE);
    bind(model_.header.OnChanged,
         [this] { SetWindowTextW(label_, text::Widen(model_.header.Text()).c_str()); });
    save_ = std::make_unique<FlatButtonView>(model_.saveButton, header_->handle(), kButtonColour);
    exit_ = std::make_unique<FlatButtonView>(model_.exitButton, header_->handle(), kButtonColour);
    // The buttons lie over the label, which fills the header.
    SetWindowPos(label_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    header_->OnSize = [this](int width, int height) { layoutHeader(width, height); };
}

void MainWindowView::layoutHeader(int width, int height) {
    const HWND window = handle();
    MoveWindow(label_, 0, 0, width, height, TRUE);
    InvalidateRect(label_, nullptr, TRUE);  // centred: the whole text moves
    const int buttonWidth = Scale(window, 97);
    const int buttonHeight = Scale(window, 20);
    const int top = Scale(window, 11);
    const int margin = Scale(window, 7);
    MoveWindow(save_->handle(), margin, top, buttonWidth, buttonHeight, TRUE);
    // "Beenden" keeps to the right edge as the window is resized.
    MoveWindow(exit_->handle(), width - margin - buttonWidth, top, buttonWidth, buttonHeight, TRUE);
}

void MainWindowView::createPages() {
    pages_ = std::make_unique<TabView>(model_.pages, handle());
    pages_->BeforePageShows = [this](int index) { buildPage(index); };
    // Only the page in sight is built before the window shows; the others are built as soon as
    // the window is up, before any input is read (posted messages come first), or earlier
    // when one of them is shown.
    buildPage(model_.pages.ActivePageIndex());
    PostMessageW(handle(), kBuildPagesMessage, 0, 0);
}

void MainWindowView::buildPage(int index) {
    if (index < 0 || index >= static_cast<int>(built_.size()) || built_[index]) {
        return;
    }
    built_[index] = true;
    auto& page = pages_->Page(index);
    switch (index) {
        case MainWindow::UnblockingTab:
            buildUnblockingPage(page);
            break;
        case MainWindow::OptionsTab:
            options_ = std::make_unique<CheckListView>(model_.outlookOptions, page.handle());
            FillParent(page, *options_);
            break;
        case MainWindow::IdentitiesTab:
            buildIdentityPage(page);
            break;
        case MainWindow::ExpressTab:
            expressOptions_ = std::make_unique<CheckListView>(model_.expressOptions, page.handle());
            FillParent(page, *expressOptions_);
            break;
        default:
            break;
    }
    page.Relayout();
}

void MainWindowView::buildUnblockingPage(Panel& page) {
    grid_ = std::make_unique<GridView>(model_.attachmentGrid, page.handle());
    grid_->OnContextMenu = [this](POINT screen) { showGridMenu(screen); };
    // The policy's notice, when there is one, stands above the grid; the label is made the
    // first time a notice is shown.
    const auto showNotice = [this, &page] {
        const std::wstring notice = text::Widen(model_.policyNotice.Text());
        if (notice_ == nullptr) {
            if (notice.empty()) {
                return;  // never a notice so far: the grid keeps the whole page
            }
            notice_ =
                CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                page.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
            SendMessageW(notice_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
        }
        SetWindowTextW(notice_, notice.c_str());
        ShowWindow(notice_, notice.empty() ? SW_HIDE : SW_SHOW);
        page.Relayout();
    };
    bind(model_.policyNotice.OnChanged, showNotice);
    const HWND window = handle();
    page.OnSize = [this, window](int width, int height) {
        int top = 0;
        // Its own style, not IsWindowVisible: the window may not be on screen yet.
        if (notice_ != nullptr && (GetWindowLongW(notice_, GWL_STYLE) & WS_VISIBLE) != 0) {
            const int margin = Scale(window, 6);
            const int textWidth = std::max(0, width - 2 * margin);
            top = margin + NoticeHeight(textWidth) + margin;
            MoveWindow(notice_, margin, margin, textWidth, top - 2 * margin, TRUE);
        }
        grid_->SetBounds({0, top, width, std::max(top, height)});
    };
    showNotice();
}

int MainWindowView::NoticeHeight(int width) const {
    const std::wstring notice = text::Widen(model_.policyNotice.Text());
    const WindowDc dc(notice_);
    const HGDIOBJ old = SelectObject(dc.get(), boldFont_.get());
    RECT bounds{0, 0, width, 0};
    DrawTextW(dc.get(), notice.c_str(), static_cast<int>(notice.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc.get(), old);
    return bounds.bottom;
}

void MainWindowView::buildIdentityPage(Panel& page) {
    identityLabel_ = CreateWindowExW(0, L"STATIC", text::Widen(model_.identityLabel.Text()).c_str(),
                                     WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0, 0,
                                     0, page.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(identityLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
    identities_ = std::make_unique<DropDownView>(model_.identityChoice, page.handle());
    identityOptions_ = std::make_unique<CheckListView>(model_.identityOptions, page.handle());

    const HWND window = handle();
    page.OnSize = [this, window](int width, int height) {
        const int strip = Scale(window, 41);
        const int margin = Scale(window, 8);
        const int labelWidth = Scale(window, 110);
        MoveWindow(identityLabel_, margin, 0, labelWidth, strip, TRUE);
        MoveWindow(identities_->handle(), margin + labelWidth, margin,
                   std::max(0, width - labelWidth - 2 * margin), Scale(window, 200), TRUE);
        identityOptions_->SetBounds({0, strip, width, strip + std::max(0, height - strip)});
    };
}

HMENU MainWindowView::buildMenu(widgets::MenuItem& parent, bool popup) {
    const HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
    for (auto& item : parent.items) {
        if (item.IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            commands_.push_back(&item);
            continue;
        }
        const std::wstring caption = text::Widen(item.caption);
        const auto id = static_cast<UINT_PTR>(kFirstMenuCommand + commands_.size());
        commands_.push_back(&item);
        if (item.items.empty()) {
            AppendMenuW(menu, MF_STRING, id, caption.c_str());
        } else {
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(buildMenu(item, true)),
                        caption.c_str());
        }
    }
    return menu;
}

void MainWindowView::showGridMenu(POINT screen) {
    const auto first = static_cast<UINT>(kFirstMenuCommand + commands_.size());
    UniqueMenu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < model_.gridMenu.items.size(); ++i) {
        AppendMenuW(menu.get(), MF_STRING, first + i,
                    text::Widen(model_.gridMenu.items[i].caption).c_str());
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, handle(), nullptr));
    if (chosen >= first && chosen < first + model_.gridMenu.items.size()) {
        model_.gridMenu.items[chosen - first].Click();
    }
}

void MainWindowView::activated(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        focus_ = IsChild(handle(), focus) ? focus : nullptr;
        return;
    }
    // Back where the user left, as a dialog does; at first in the active page's list.
    const bool usable = focus_ != nullptr && IsWindow(focus_) && IsWindowVisible(focus_) &&
                        IsWindowEnabled(focus_) && IsChild(handle(), focus_);
    if (usable) {
        SetFocus(focus_);
    } else if (pages_) {
        SetFocus(pages_->FirstControlOfActivePage());
    }
}

void MainWindowView::layout() {
    if (!statusBar_) {
        return;  // still being created
    }
    RECT client;
    GetClientRect(handle(), &client);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    InvalidateRect(statusBar_, nullptr, TRUE);  // its size grip moves with the corner
    RECT status;
    GetWindowRect(statusBar_, &status);
    const int statusHeight = status.bottom - status.top;
    const int headerHeight = Scale(handle(), kHeaderHeight);
    MoveWindow(header_->handle(), 0, 0, client.right, headerHeight, TRUE);
    MoveWindow(pages_->handle(), 0, headerHeight, client.right,
               std::max(0L, client.bottom - headerHeight - statusHeight), TRUE);
}

LRESULT MainWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        case kBuildPagesMessage:
            for (int index = 0; index < static_cast<int>(built_.size()); ++index) {
                buildPage(index);
            }
            return 0;
        case WM_ACTIVATE:
            activated(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_COMMAND: {
            const UINT id = LOWORD(wParam);
            if (HIWORD(wParam) == 1 && lParam == 0) {  // a key of the accelerator table
                switch (id) {
                    case kSaveCommand:
                        model_.saveButton.Click();
                        return 0;
                    case kNextPageCommand:
                    case kPreviousPageCommand:
                        model_.pages.SelectNextTabByUser(id == kNextPageCommand);
                        return 0;
                    default:
                        break;
                }
            }
            if (HIWORD(wParam) == 0 && lParam == 0 && id >= kFirstMenuCommand &&
                id < kFirstMenuCommand + commands_.size()) {
                commands_[id - kFirstMenuCommand]->Click();
                return 0;
            }
            break;
        }
        case WM_INITMENUPOPUP:
            for (std::size_t i = 0; i < commands_.size(); ++i) {
                EnableMenuItem(reinterpret_cast<HMENU>(wParam),
                               static_cast<UINT>(kFirstMenuCommand + i),
                               MF_BYCOMMAND | (commands_[i]->enabled ? MF_ENABLED : MF_GRAYED));
            }
            return 0;
        case WM_HELP:  // F1
            if (auto* manual = model_.mainMenu.Find("manual")) {
                manual->Click();
            }
            return TRUE;
        case WM_CLOSE: {
            bool canClose = true;
            model_.CloseRequested(canClose);
            if (canClose) {
                DestroyWindow(handle());
            }
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;  // the program never holds up the end of a session
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                model_.WindowsSessionEnding();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace brevolt::win32
