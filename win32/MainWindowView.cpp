#include "win32/MainWindowView.h"

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

constexpr int kWidth = 651;
constexpr int kHeight = 540;

}  // namespace

MainWindowView::MainWindowView(TfrmMain& model) : model_(model) {
    RECT desktop{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    const int x = desktop.left + (desktop.right - desktop.left - kWidth) / 2;
    const int y = desktop.top + (desktop.bottom - desktop.top - kHeight) / 2;
    create(L"TfrmMain", text::Widen(model_.Caption()).c_str(), WS_OVERLAPPEDWINDOW, 0, x, y, kWidth,
           kHeight, nullptr);
}

LRESULT MainWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: {
            bool canClose = true;
            model_.FormCloseQuery(canClose);
            if (canClose) {
                DestroyWindow(handle());
            }
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;  // the program never holds up the end of a session
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                model_.FormEndSession();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return Window::handleMessage(message, wParam, lParam);
    }
}

}  // namespace brevolt::win32
