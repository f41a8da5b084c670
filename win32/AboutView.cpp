#include "win32/AboutView.h"
#include "win32/CloseAtOnce.h"

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

constexpr int kClientWidth = 401;
constexpr int kClientHeight = 294;
constexpr int kButtonPanelHeight = 41;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr COLORREF kButtonColour = RGB(173, 173, 214);

}  // namespace

AboutView::AboutView(AboutDialog& model, HWND owner) : model_(model), owner_(owner) {
    RECT frame{0, 0, Scale(owner, kClientWidth), Scale(owner, kClientHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT over{};
    GetWindowRect(owner, &over);
    create(L"AboutDialog", text::Widen(model_.Caption()).c_str(), kStyle, kExStyle,
           over.left + (over.right - over.left - width) / 2,
           over.top + (over.bottom - over.top - height) / 2, width, height, owner);
    text_ = std::make_unique<ScrollTextView>(model_.scrollText, handle());
    buttons_ = std::make_unique<Panel>(handle(), GetSysColor(COLOR_BTNFACE));
    close_ = std::make_unique<FlatButtonView>(model_.closeButton, buttons_->handle(), kButtonColour,
                                              ControlId::AboutClose);
    close_->MakeToolTip();
    buttons_->OnSize = [this](int width, int /*height*/) {
        const HWND window = handle();
        MoveWindow(close_->handle(), width - Scale(window, 97), Scale(window, 11),
                   Scale(window, 97), Scale(window, 20), TRUE);
    };
    bind(model_.OnClose, [this] { closed_ = true; });
    layout();
}

void AboutView::layout() {
    RECT client;
    GetClientRect(handle(), &client);
    const int panel = Scale(handle(), kButtonPanelHeight);
    MoveWindow(text_->handle(), 0, 0, client.right, client.bottom - panel, TRUE);
    MoveWindow(buttons_->handle(), 0, client.bottom - panel, client.right, panel, TRUE);
}

void AboutView::RunModal() {
    EnableWindow(owner_, FALSE);
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetFocus(close_->handle());
    model_.Shown();
    MSG message{};
    while (!closed_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
            break;
        }
        // The dialog manager's keys: Esc asks to cancel, Enter presses the focused button (or
        // asks for the default one).
        if (IsDialogMessageW(handle(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The owner first, so that Windows gives it the activation back.
    EnableWindow(owner_, TRUE);
    ReadyToCloseAtOnce(handle());  // the view goes right after: no wait for the hide
    ShowWindow(handle(), SW_HIDE);
    SetActiveWindow(owner_);
}

LRESULT AboutView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (buttons_) {
                layout();
            }
            return 0;
        case WM_CLOSE:
            closed_ = true;
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                closed_ = true;
                return 0;
            }
            return Window::handleMessage(message, wParam, lParam);
        default:
            return Window::handleMessage(message, wParam, lParam);
    }
}

}  // namespace brevolt::win32
