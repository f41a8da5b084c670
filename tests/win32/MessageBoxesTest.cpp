// The message boxes: real ones, found and answered from a second thread as a user would.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "base/WideText.h"
#include "e2e/Controls.h"
#include "win32/MessageBoxes.h"
#include "win32/Window.h"

namespace brevolt::win32 {
namespace {

using widgets::MessageKind;

std::string WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window), L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    return text::Narrow(text);
}

// What the user saw of a box.
struct Seen {
    bool found = false;
    std::string caption;
    std::string text;
    std::string ok;
    std::string yes;
    std::string no;
    HWND owner = nullptr;
    bool hostEnabled = true;
};

std::string ButtonText(HWND box, int id) {
    const HWND button = GetDlgItem(box, id);
    return button != nullptr ? WindowText(button) : "(none)";
}

// Waits on another thread for the box the calling thread shows next, notes what it shows and
// presses one of its buttons.
class User {
  public:
    User(int press, HWND host)
        : thread_([this, press, host, boxThread = GetCurrentThreadId()] {
              answer(boxThread, press, host);
          }) {}
    User(const User&) = delete;
    User& operator=(const User&) = delete;
    ~User() { finish(); }

    const Seen& Saw() {
        finish();
        return seen_;
    }

  private:
    void finish() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    void answer(DWORD boxThread, int press, HWND host) {
        using namespace std::chrono;
        const auto deadline = steady_clock::now() + seconds(10);
        HWND box = nullptr;
        while (box == nullptr && steady_clock::now() < deadline) {
            std::this_thread::sleep_for(milliseconds(20));
            box = e2e::VisibleDialogOf(boxThread);
        }
        if (box == nullptr) {
            return;
        }
        // The buttons get their names as the box comes up.
        while (GetForegroundWindow() != box && steady_clock::now() < deadline) {
            std::this_thread::sleep_for(milliseconds(20));
        }
        std::this_thread::sleep_for(milliseconds(100));
        seen_.found = true;
        seen_.caption = WindowText(box);
        seen_.text = WindowText(GetDlgItem(box, 0xFFFF));
        seen_.ok = ButtonText(box, IDOK);
        seen_.yes = ButtonText(box, IDYES);
        seen_.no = ButtonText(box, IDNO);
        seen_.owner = GetWindow(box, GW_OWNER);
        seen_.hostEnabled = IsWindowEnabled(host) != FALSE;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, press)));
    }

    Seen seen_;
    std::thread thread_;
};

class MessageBoxesTest : public ::testing::Test {
  protected:
    MessageBoxesTest()
        : host(CreateWindowExW(0, L"STATIC", L"MessageBoxesTest", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                               200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}

    UniqueWindow host;
    MessageBoxes boxes;
};

TEST_F(MessageBoxesTest, ShowTheCaptionGivenAndGermanButtons) {
    struct Case {
        MessageKind kind;
        int press;
        bool answer;
        const char* ok;
        const char* yes;
        const char* no;
    };
    const Case cases[] = {
        {MessageKind::Confirmation, IDNO, false, "(none)", "&Ja", "&Nein"},
        {MessageKind::Confirmation, IDYES, true, "(none)", "&Ja", "&Nein"},
        {MessageKind::Error, IDOK, true, "OK", "(none)", "(none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        SCOPED_TRACE(c.press);
        User user(c.press, host.get());
        EXPECT_EQ(boxes.ShowMessage(c.kind, "Bestätigung", "Änderungen übernehmen?"), c.answer);
        const Seen& seen = user.Saw();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, "Bestätigung");
        EXPECT_EQ(seen.text, "Änderungen übernehmen?");
        EXPECT_EQ(seen.ok, c.ok);
        EXPECT_EQ(seen.yes, c.yes);
        EXPECT_EQ(seen.no, c.no);
    }
}

TEST_F(MessageBoxesTest, AreModalToTheOwnerOrToTheWholeProgram) {
    {
        SCOPED_TRACE("no owner yet");
        User user(IDOK, host.get());
        boxes.ShowMessage(MessageKind::Error, "Fehler", "Kein Zugriff");
        const Seen& seen = user.Saw();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.owner, nullptr);
        EXPECT_FALSE(seen.hostEnabled) << "every window of the program waits";
    }
    {
        SCOPED_TRACE("the main window");
        boxes.SetOwner(host.get());
        User user(IDOK, host.get());
        boxes.ShowMessage(MessageKind::Information, "Information", "Gespeichert");
        const Seen& seen = user.Saw();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.owner, host.get());
        EXPECT_FALSE(seen.hostEnabled);
        EXPECT_EQ(seen.ok, "OK");
    }
    EXPECT_TRUE(IsWindowEnabled(host.get()));
}

TEST_F(MessageBoxesTest, RenameTheButtonsOfTheirBoxesOnly) {
    // The owner, active before the box and again after it, has buttons of the same numbers.
    const HWND back =
        CreateWindowExW(0, L"BUTTON", L"Zurück", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, host.get(),
                        reinterpret_cast<HMENU>(IDNO), GetModuleHandleW(nullptr), nullptr);
    ShowWindow(host.get(), SW_SHOW);
    SetForegroundWindow(host.get());
    boxes.SetOwner(host.get());
    User user(IDNO, host.get());
    EXPECT_FALSE(boxes.ShowMessage(MessageKind::Confirmation, "Bestätigung", "Weiter?"));
    ASSERT_TRUE(user.Saw().found);
    EXPECT_EQ(WindowText(back), "Zurück");
    ShowWindow(host.get(), SW_HIDE);
}

// The dialog that asks for a text, answered from a second thread: the edit box has the focus; a
// text the request refuses brings an error box over the dialog, which stays; "OK" takes a text
// it accepts, "Abbrechen" gives nothing.
TEST_F(MessageBoxesTest, TheTextDialogRefusesWhatTheRequestRefusesAndStaysOpen) {
    boxes.SetOwner(host.get());
    const widgets::TextRequest request{
        "Dateityp hinzufügen", "Erweiterung:", "Fehler", [](const std::string& text) {
            return text.find(';') == std::string::npos ? std::string() : "Kein Semikolon.";
        }};
    struct Seen {
        std::string caption;
        std::string okButton;
        std::string cancelButton;
        bool editFocused = false;
        std::string refusal;
        HWND refusalOwner = nullptr;
        bool stayedOpen = false;
    } seen;
    const DWORD dialogThread = GetCurrentThreadId();
    std::thread user([&] {
        const auto waitFor = [&](const std::function<bool()>& condition) {
            for (int i = 0; i < 500 && !condition(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        };
        HWND dialog = nullptr;
        waitFor([&] { return (dialog = e2e::VisibleDialogOf(dialogThread)) != nullptr; });
        if (dialog == nullptr) {
            return;
        }
        seen.caption = WindowText(dialog);
        seen.okButton = ButtonText(dialog, IDOK);
        seen.cancelButton = ButtonText(dialog, IDCANCEL);
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(dialogThread, &info);
        wchar_t name[16] = {};
        GetClassNameW(info.hwndFocus, name, 16);
        seen.editFocused = std::wstring(name) == L"Edit";
        const HWND edit = info.hwndFocus;
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"p;y"));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        HWND refusal = nullptr;
        waitFor([&] {
            refusal = e2e::VisibleDialogOf(dialogThread);
            return refusal != nullptr && refusal != dialog;
        });
        seen.refusal = WindowText(GetDlgItem(refusal, 0xFFFF));
        seen.refusalOwner = GetWindow(refusal, GW_OWNER);
        PostMessageW(refusal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        waitFor([&] { return e2e::VisibleDialogOf(dialogThread) == dialog; });
        seen.stayedOpen = IsWindowVisible(dialog) != FALSE;
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"py"));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const auto answer = boxes.AskText(request);
    user.join();
    EXPECT_EQ(answer, std::optional<std::string>("py"));
    EXPECT_EQ(seen.caption, "Dateityp hinzufügen");
    EXPECT_EQ(seen.okButton, "OK");
    EXPECT_EQ(seen.cancelButton, "Abbrechen");
    EXPECT_TRUE(seen.editFocused);
    EXPECT_EQ(seen.refusal, "Kein Semikolon.");
    EXPECT_NE(seen.refusalOwner, host.get()) << "the error box belongs to the dialog";
    EXPECT_TRUE(seen.stayedOpen);

    std::thread canceller([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 500 && (dialog = e2e::VisibleDialogOf(dialogThread)) == nullptr; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(boxes.AskText(request), std::nullopt);
    canceller.join();
}

}  // namespace
}  // namespace brevolt::win32
