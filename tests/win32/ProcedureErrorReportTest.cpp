// Errors that reach a procedure Windows calls: reported in the general error box, answered from a
// second thread as a user would, and the window or dialog goes on.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "base/WideText.h"
#include "win32/MessageBoxes.h"
#include "win32/Win32Application.h"
#include "win32/Window.h"

namespace brevolt::win32 {
namespace {

std::string WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window), L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    return text::Narrow(text);
}

// The visible dialog box of a thread other than the one given, or none.
HWND BoxOf(DWORD thread, HWND other = nullptr) {
    struct Search {
        HWND other;
        HWND found;
    } search{other, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM parameter) {
            auto& search = *reinterpret_cast<Search*>(parameter);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (window != search.other && std::wstring(name) == L"#32770" &&
                IsWindowVisible(window)) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// What the user saw of an error box.
struct Report {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
};

// Notes the error box that the thread shows next over the given window (none: over nothing of
// its own), and presses its "OK".
Report AnswerReport(DWORD thread, HWND under = nullptr) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = BoxOf(thread, under)) != nullptr; })) {
        return {};
    }
    Report seen{WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)), GetWindow(box, GW_OWNER)};
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return seen;
}

// A window whose handler of WM_APP is the test's.
class HandlerWindow : public Window {
  public:
    HandlerWindow() {
        create(L"ProcedureErrorReportTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 0, 300, 200, nullptr);
    }
    ~HandlerWindow() override { destroy(); }

    std::function<void()> onApp;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            onApp();
            return 1;
        }
        return Window::handleMessage(message, wParam, lParam);
    }
};

TEST(ProcedureErrorReport, AnErrorInAWindowsHandlerIsShownAndTheWindowGoesOn) {
    struct Case {
        std::function<void()> handler;
        const char* shown;
    };
    const Case cases[] = {
        {[] { throw std::runtime_error("Kaputt"); }, "Kaputt."},
        {[] { throw 42; }, "Unbekannter Fehler."},
    };
    HandlerWindow window;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        window.onApp = c.handler;
        Report seen;
        std::thread user([&, thread = GetCurrentThreadId()] { seen = AnswerReport(thread); });
        EXPECT_EQ(SendMessageW(window.handle(), WM_APP, 0, 0), 0);
        user.join();
        EXPECT_EQ(seen.caption, Win32Application().Title());
        EXPECT_EQ(seen.text, c.shown);
        EXPECT_EQ(seen.owner, window.handle());
    }
    window.onApp = [] {};
    EXPECT_EQ(SendMessageW(window.handle(), WM_APP, 0, 0), 1) << "the window goes on";
}

TEST(ProcedureErrorReport, AnErrorInTheTextDialogsCheckIsShownAndTheDialogStays) {
    MessageBoxes boxes;
    const widgets::TextRequest request{"Dateityp hinzufügen", "Erweiterung:", "Fehler",
                                       [](const std::string&) -> std::string { throw 42; }};
    HWND dialog = nullptr;
    Report seen;
    bool stayedOpen = false;
    std::thread user([&, thread = GetCurrentThreadId()] {
        if (!WaitUntil([&] { return (dialog = BoxOf(thread)) != nullptr; })) {
            return;
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        seen = AnswerReport(thread, dialog);
        stayedOpen = WaitUntil([&] { return BoxOf(thread, dialog) == nullptr; }) &&
                     IsWindowVisible(dialog) != FALSE;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(boxes.AskText(request), std::nullopt);
    user.join();
    EXPECT_EQ(seen.caption, Win32Application().Title());
    EXPECT_EQ(seen.text, "Unbekannter Fehler.");
    EXPECT_EQ(seen.owner, dialog);
    EXPECT_TRUE(stayedOpen);
}

}  // namespace
}  // namespace brevolt::win32
