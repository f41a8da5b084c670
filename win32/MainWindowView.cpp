#include "win32/MainWindowView.h"

#include <commctrl.h>

#include <algorithm>

#include "base/WideText.h"
#include "resources/Texts.h"

namespace brevolt::win32 {
namespace {

// At 96 dots per inch; the grid's columns share out the width.
constexpr int kWidth = 720;
constexpr int kHeight = 540;
constexpr int kHeaderHeight = 49;
constexpr COLORREF kButtonColour = RGB(173, 173, 214);
// Room beside a status bar part's text, both sides together.
constexpr int kStatusPadding = 16;

void FillParent(Panel& panel, ControlView& view) {
    panel.OnSize = [&view](int width, int height) { view.SetBounds({0, 0, width, height}); };
}

void SetFont(HWND window, const UniqueFont& font) {
    if (window != nullptr) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
}

void SetControlId(HWND window, ControlId id) {
    SetWindowLongPtrW(window, GWLP_ID, static_cast<LONG_PTR>(id));
}

}  // namespace

RECT FittedWindowBounds(const RECT& workArea, int width, int height) {
    width = std::min<int>(width, workArea.right - workArea.left);
    height = std::min<int>(height, workArea.bottom - workArea.top);
    const int left = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int top = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    return {left, top, left + width, top + height};
}

MainWindowView::MainWindowView(MainWindow& model) : model_(model) {
    // With its menu from the start: a menu set later makes the frame anew.
    create(L"MainWindow", text::Widen(model_.Caption()).c_str(),
           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight,
           nullptr, buildMenu(model_.mainMenu, false));
    // The size at the scale of the monitor the window opens on, within that monitor's work area.
    dpi_ = WindowDpi(handle());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT bounds = FittedWindowBounds(monitor.rcWork, scaled(kWidth), scaled(kHeight));
    SetWindowPos(handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    makeFonts();

    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'S', kSaveCommand},
        {FVIRTKEY | FCONTROL, VK_TAB, kNextPageCommand},
        {FVIRTKEY | FCONTROL | FSHIFT, VK_TAB, kPreviousPageCommand},
    };
    accelerators_ = UniqueAccelerators(CreateAcceleratorTableW(keys, std::size(keys)));
    createHeader();
    createPages();
    createStatusBar();
    layout();
    // Only the page in sight is built before the window shows, into its laid-out place, so that
    // its controls are sized once. The others and the tooltips (each a window of its own) are
    // built as soon as the window is up, before any input is read (posted messages come first),
    // or a page earlier when it is shown.
    buildPage(model_.pages.ActivePageIndex());
    PostMessageW(handle(), kFinishBuildingMessage, 0, 0);
    // The focus shows from the start, as in a dialog reached by the keyboard.
    SendMessageW(handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void MainWindowView::makeFonts() {
    font_ = CreateUiFont(dpi_, L"MS Sans Serif", -11, false);
    headerFont_ = CreateUiFont(dpi_, L"MS Sans Serif", -24, true);
    boldFont_ = CreateUiFont(dpi_, L"MS Sans Serif", -11, true);
}

void MainWindowView::createStatusBar() {
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                 0, 0, 0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetControlId(statusBar_, ControlId::StatusBar);
    SetFont(statusBar_, font_);
    bind(model_.statusChanges.OnChanged, [this] { layoutStatusBar(); });
    bind(model_.statusNotice.OnChanged, [this] { layoutStatusBar(); });
}

void MainWindowView::makeToolTips() {
    if (statusTip_ != nullptr) {
        return;
    }
    save_->MakeToolTip();
    exit_->MakeToolTip();
    // The notice's part, cut to its width, says the whole of it as a tool tip.
    statusTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, handle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = statusBar_;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(statusTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    fitStatusTip();
}

void MainWindowView::layoutStatusBar() {
    if (statusBar_ == nullptr) {
        return;
    }
    // The first part holds "Ungespeicherte Änderungen" whole; the notice has the rest.
    const std::wstring changes = text::Widen(model_.statusChanges.Text());
    const std::wstring unsaved =
        text::Widen(resources::LoadText(resources::TextId::ExtPendingChanges));
    const WindowDc dc(statusBar_);
    const HGDIOBJ old = SelectObject(dc.get(), font_.get());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), unsaved.c_str(), static_cast<int>(unsaved.size()), &size);
    RECT client{};
    GetClientRect(statusBar_, &client);
    const int first = std::min<int>(size.cx + scaled(kStatusPadding), client.right / 2);
    const int parts[] = {first, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(changes.c_str()));
    RECT part{};
    SendMessageW(statusBar_, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    const std::wstring notice = text::Widen(model_.statusNotice.Text());
    std::wstring shown = notice;
    shown.append(4, L'\0');  // room for the ellipsis DrawText may put in
    RECT room{0, 0, std::max(0, static_cast<int>(part.right - part.left) - scaled(kStatusPadding)),
              0};
    DrawTextW(dc.get(), shown.data(), static_cast<int>(notice.size()), &room,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc.get(), old);
    shown.resize(wcslen(shown.c_str()));
    SendMessageW(statusBar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(shown.c_str()));
    fitStatusTip();
}

void MainWindowView::fitStatusTip() {
    if (statusTip_ == nullptr) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = statusBar_;
    SendMessageW(statusBar_, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&tool.rect));
    SendMessageW(statusTip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    std::wstring notice = text::Widen(model_.statusNotice.Text());
    tool.lpszText = notice.data();
    SendMessageW(statusTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
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
    SetControlId(header_->handle(), ControlId::Header);
    label_ = CreateWindowExW(
        0, L"STATIC", text::Widen(model_.header.Text()).c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0, 0,
        0, header_->handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetControlId(label_, ControlId::HeaderText);
    SetFont(label_, headerFont_);
    bind(model_.header.OnChanged,
         [this] { SetWindowTextW(label_, text::Widen(model_.header.Text()).c_str()); });
    save_ = std::make_unique<FlatButtonView>(model_.saveButton, header_->handle(), kButtonColour,
                                             ControlId::SaveButton);
    exit_ = std::make_unique<FlatButtonView>(model_.exitButton, header_->handle(), kButtonColour,
                                             ControlId::ExitButton);
    // The buttons lie over the label, which fills the header.
    SetWindowPos(label_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    header_->OnSize = [this](int width, int height) { layoutHeader(width, height); };
}

void MainWindowView::layoutHeader(int width, int height) {
    MoveWindow(label_, 0, 0, width, height, TRUE);
    InvalidateRect(label_, nullptr, TRUE);  // centred: the whole text moves
    const int buttonWidth = scaled(97);
    const int buttonHeight = scaled(20);
    const int top = scaled(11);
    const int margin = scaled(7);
    MoveWindow(save_->handle(), margin, top, buttonWidth, buttonHeight, TRUE);
    // "Beenden" keeps to the right edge as the window is resized.
    MoveWindow(exit_->handle(), width - margin - buttonWidth, top, buttonWidth, buttonHeight, TRUE);
}

void MainWindowView::createPages() {
    pages_ = std::make_unique<TabView>(model_.pages, handle());
    pages_->SetDpi(dpi_);
    pages_->BeforePageShows = [this](int index) { buildPage(index); };
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
            options_ = std::make_unique<CheckListView>(model_.outlookOptions, page.handle(),
                                                       ControlId::OutlookOptions,
                                                       model_.pages.PageAt(index).caption, boxes_);
            options_->SetDpi(dpi_);
            FillParent(page, *options_);
            break;
        case MainWindow::IdentitiesTab:
            buildIdentityPage(page);
            break;
        case MainWindow::ExpressTab:
            expressOptions_ = std::make_unique<CheckListView>(
                model_.expressOptions, page.handle(), ControlId::ExpressOptions,
                model_.pages.PageAt(index).caption, boxes_);
            expressOptions_->SetDpi(dpi_);
            FillParent(page, *expressOptions_);
            break;
        default:
            break;
    }
    page.Relayout();
}

void MainWindowView::buildUnblockingPage(Panel& page) {
    grid_ =
        std::make_unique<GridView>(model_.attachmentGrid, page.handle(), ControlId::AttachmentGrid,
                                   model_.pages.PageAt(MainWindow::UnblockingTab).caption, boxes_);
    grid_->SetDpi(dpi_);
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
            SetControlId(notice_, ControlId::PolicyNotice);
            SetFont(notice_, boldFont_);
            // Above the grid in the tab order too, so that it names the grid for screen readers
            // only when there is no better name: the grid has its own.
            SetWindowPos(notice_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        SetWindowTextW(notice_, notice.c_str());
        ShowWindow(notice_, notice.empty() ? SW_HIDE : SW_SHOW);
        page.Relayout();
    };
    bind(model_.policyNotice.OnChanged, showNotice);
    page.OnSize = [this](int width, int height) {
        int top = 0;
        // Its own style, not IsWindowVisible: the window may not be on screen yet.
        if (notice_ != nullptr && (GetWindowLongW(notice_, GWL_STYLE) & WS_VISIBLE) != 0) {
            const int margin = scaled(6);
            const int textWidth = std::max(0, width - 2 * margin);
            top = margin + NoticeHeight(textWidth) + margin;
            MoveWindow(notice_, margin, margin, textWidth, top - 2 * margin, TRUE);
            // Its lines may break elsewhere now: no piece of the old ones may stay.
            InvalidateRect(notice_, nullptr, TRUE);
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
    SetControlId(identityLabel_, ControlId::IdentityLabel);
    SetFont(identityLabel_, boldFont_);
    // Made right after its label, which thus names it for screen readers.
    identities_ = std::make_unique<DropDownView>(model_.identityChoice, page.handle(),
                                                 ControlId::IdentityChoice);
    identities_->SetDpi(dpi_);
    identityOptions_ = std::make_unique<CheckListView>(
        model_.identityOptions, page.handle(), ControlId::IdentityOptions,
        model_.pages.PageAt(MainWindow::IdentitiesTab).caption, boxes_);
    identityOptions_->SetDpi(dpi_);

    page.OnSize = [this](int width, int height) {
        const int strip = scaled(41);
        const int margin = scaled(8);
        const int labelWidth = scaled(110);
        MoveWindow(identityLabel_, margin, 0, labelWidth, strip, TRUE);
        MoveWindow(identities_->handle(), margin + labelWidth, margin,
                   std::max(0, width - labelWidth - 2 * margin), scaled(200), TRUE);
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

void MainWindowView::showMenuStates(HMENU menu) {
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const auto& item = *commands_[i];
        if (item.IsSeparator() || !item.items.empty()) {
            continue;
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        info.fType = MFT_STRING | (item.radio ? MFT_RADIOCHECK : 0);
        info.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) | (item.checked ? MFS_CHECKED : 0);
        SetMenuItemInfoW(menu, static_cast<UINT>(kFirstMenuCommand + i), FALSE, &info);
    }
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

void MainWindowView::dpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    makeFonts();
    SetFont(label_, headerFont_);
    SetFont(notice_, boldFont_);
    SetFont(identityLabel_, boldFont_);
    SetFont(statusBar_, font_);
    for (ControlView* view : std::initializer_list<ControlView*>{
             save_.get(), exit_.get(), grid_.get(), options_.get(), identities_.get(),
             identityOptions_.get(), expressOptions_.get()}) {
        if (view != nullptr) {
            view->SetDpi(dpi);
        }
    }
    pages_->SetDpi(dpi);
    // The system's suggestion keeps the window where it was on the monitor, at the new scale.
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
    for (int index = 0; index < static_cast<int>(built_.size()); ++index) {
        if (built_[index]) {
            pages_->Page(index).Relayout();
        }
    }
    header_->Relayout();
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
    const int headerHeight = scaled(kHeaderHeight);
    layoutStatusBar();
    MoveWindow(header_->handle(), 0, 0, client.right, headerHeight, TRUE);
    MoveWindow(pages_->handle(), 0, headerHeight, client.right,
               std::max(0L, client.bottom - headerHeight - statusHeight), TRUE);
}

LRESULT MainWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        case kFinishBuildingMessage:
            makeToolTips();
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
        case WM_DPICHANGED:
            dpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            showMenuStates(reinterpret_cast<HMENU>(wParam));
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
