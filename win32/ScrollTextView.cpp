#include "win32/ScrollTextView.h"

#include <windowsx.h>

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

constexpr UINT_PTR kStepTimer = 1;
constexpr UINT kStepMilliseconds = 50;
constexpr UINT kTextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

ScrollTextView::ScrollTextView(widgets::ScrollText& model, HWND parent) : model_(model) {
    create(L"BrevoltScrollText", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, parent);
    font_ = CreateUiFont(handle(), L"MS Sans Serif", -11, false);
    bind(
        [this] {
            model_.SetMeasure(
                [this](const std::string& line, int width) { return lineHeight(line, width); });
        },
        [this] { model_.SetMeasure(nullptr); });
    bind(model_.OnChanged, [this] { InvalidateRect(handle(), nullptr, FALSE); });
    SetTimer(handle(), kStepTimer, kStepMilliseconds, nullptr);
}

int ScrollTextView::lineHeight(const std::string& line, int width) const {
    const HDC dc = GetDC(handle());
    const HGDIOBJ previous = SelectObject(dc, font_.get());
    // An empty line is as high as a line of text.
    const std::wstring text = line.empty() ? L"X" : text::Widen(line);
    RECT area{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(handle(), dc);
    return area.bottom - area.top;
}

void ScrollTextView::paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    // Drawn off screen first, so that the moving text does not flicker.
    const HDC buffer = CreateCompatibleDC(dc);
    const UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ previousBitmap = SelectObject(buffer, bitmap.get());
    FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previousFont = SelectObject(buffer, font_.get());
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, GetSysColor(COLOR_BTNTEXT));
    int y = model_.Top();
    for (const auto& line : model_.Lines()) {
        const int height = lineHeight(line, client.right);
        RECT area{0, y, client.right, y + height};
        const std::wstring text = text::Widen(line);
        DrawTextW(buffer, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
        y += height;
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previousFont);
    SelectObject(buffer, previousBitmap);
    DeleteDC(buffer);
    EndPaint(handle(), &paint);
}

LRESULT ScrollTextView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            model_.SetPanelSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kStepTimer) {
                model_.Step();
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_LBUTTONDOWN:
            SetCapture(handle());
            model_.MouseDown(GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            model_.MouseMove(GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (model_.Held()) {
                model_.MouseUp();
                if (message == WM_LBUTTONUP) {
                    ReleaseCapture();
                }
            }
            return 0;
        case WM_DESTROY:
            KillTimer(handle(), kStepTimer);
            return 0;
        default:
            return Window::handleMessage(message, wParam, lParam);
    }
}

}  // namespace brevolt::win32
