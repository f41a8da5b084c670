// The text dialog's own window: answered from a second thread with the keys and clicks a user
// gives, and timed from the answer to the dialog's end.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "e2e/Controls.h"
#include "win32/TextDialog.h"
#include "win32/Window.h"

namespace brevolt::win32 {
namespace {

using Clock = std::chrono::steady_clock;

// Far above the few milliseconds the dialog needs, far below the two seconds Wine waited on a
// display without a window manager before it let a dialog go.
constexpr auto kAtOnce = std::chrono::milliseconds(500);

constexpr WORD kEditId = 100;  // as the dialog numbers its edit box

// A key as the keyboard posts it to the focused control.
void PostKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

TEST(TextDialog, EndsAtOnceHoweverTheUserAnswers) {
    const struct Case {
        const char* how;
        void (*answer)(HWND dialog);
        std::optional<std::string> given;
    } cases[] = {
        {"OK clicked", [](HWND dialog) { PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); },
         "py"},
        {"Enter", [](HWND dialog) { PostKey(GetDlgItem(dialog, kEditId), VK_RETURN); }, "py"},
        {"Abbrechen clicked",
         [](HWND dialog) { PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); },
         std::nullopt},
        {"Esc", [](HWND dialog) { PostKey(GetDlgItem(dialog, kEditId), VK_ESCAPE); }, std::nullopt},
    };
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"TextDialogTest", WS_OVERLAPPEDWINDOW,
                                             0, 0, 300, 200, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    const widgets::TextRequest request{"Dateityp hinzufügen", "Erweiterung:", "Fehler", nullptr};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        HWND dialog = nullptr;
        Clock::time_point answered;
        std::thread user([&, thread = GetCurrentThreadId()] {
            for (int i = 0; i < 500 && (dialog = e2e::VisibleDialogOf(thread)) == nullptr; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            if (dialog == nullptr) {
                return;
            }
            // On the screen for a moment, as a user's dialog would be.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            SetDlgItemTextW(dialog, kEditId, L"py");
            answered = Clock::now();
            c.answer(dialog);
        });
        const auto given = AskTextModal(owner.get(), request, [](HWND, const std::string&) {});
        const auto ended = Clock::now();
        user.join();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(given, c.given);
        EXPECT_LT(ended - answered, kAtOnce)
            << std::chrono::duration_cast<std::chrono::milliseconds>(ended - answered).count()
            << " ms";
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_TRUE(IsWindowEnabled(owner.get()));
    }
}

}  // namespace
}  // namespace brevolt::win32
