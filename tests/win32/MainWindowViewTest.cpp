// The main window on screen, in process: its real controls over the program's logic, on the
// registry sandbox.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/Session.h"
#include "base/WideText.h"
#include "e2e/Controls.h"
#include "registry/Registry.h"
#include "support/FakeApplication.h"
#include "support/RegistrySandbox.h"
#include "support/TempDir.h"
#include "win32/MainWindowView.h"

namespace brevolt::win32 {
namespace {

void HandlePendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

using e2e::FindChild;
using e2e::FindChildren;

// Outlook 2003 installed, started as the program starts, its window on screen.
class MainWindowViewTest : public ::testing::Test {
  protected:
    MainWindowViewTest() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        sandbox.MakeKey(registry::Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook");
        app.executablePath = dir.File("brevolt.exe");
        PrepareSession(session, app.executablePath);
        frm = std::make_unique<MainWindow>(app, session);
        view = std::make_unique<MainWindowView>(*frm);
        ShowWindow(view->handle(), SW_SHOWNORMAL);
        UpdateWindow(view->handle());
        HandlePendingMessages();
        for (const HWND list : FindChildren(view->handle(), L"SysListView32")) {
            if (ListView_GetItemCount(list) == 38) {
                grid = list;
            }
        }
    }
    ~MainWindowViewTest() override {
        view.reset();
        frm.reset();
    }

    std::vector<int> ColumnWidths() const {
        std::vector<int> widths;
        for (int col = 0; col < 4; ++col) {
            widths.push_back(ListView_GetColumnWidth(grid, col));
        }
        return widths;
    }

    testing::RegistrySandbox sandbox;
    testing::TempDir dir;
    testing::FakeApplication app;
    Session session;
    std::unique_ptr<MainWindow> frm;
    std::unique_ptr<MainWindowView> view;
    HWND grid = nullptr;
};

TEST_F(MainWindowViewTest, TheColumnsAtStartAreTheFittedOnesAndTheRatingShows) {
    ASSERT_NE(grid, nullptr);
    const std::vector<int> atStart = ColumnWidths();
    frm->SwitchVersion("11.0");
    HandlePendingMessages();
    EXPECT_EQ(ColumnWidths(), atStart) << "a fit gives the same widths whenever it runs";
    RECT client{};
    GetClientRect(grid, &client);
    EXPECT_LE(atStart[0] + atStart[1] + atStart[2] + atStart[3], client.right)
        << "the rating column is in sight in the window's first size";
}

// Resizing invalidates whole what moves with the size: the centred header, the status bar with
// its grip.
TEST_F(MainWindowViewTest, ResizingRedrawsWhatMoves) {
    const HWND header = FindChild(view->handle(), L"Static", L"Outlook 2003");
    const HWND status = FindChild(view->handle(), STATUSCLASSNAMEW);
    ASSERT_NE(header, nullptr);
    ASSERT_NE(status, nullptr);
    for (const int width : {900, 500, 700}) {
        SetWindowPos(view->handle(), nullptr, 0, 0, width, 540,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (const HWND moved : {header, status}) {
            RECT client{};
            GetClientRect(moved, &client);
            RECT invalid{};
            GetUpdateRect(moved, &invalid, FALSE);
            EXPECT_TRUE(EqualRect(&client, &invalid)) << width;
        }
        HandlePendingMessages();
    }
}

TEST_F(MainWindowViewTest, SpeichernAndBeendenArePushButtonsInTheTabOrder) {
    for (const wchar_t* caption : {L"Speichern", L"Beenden"}) {
        // A BUTTON of the system's, with its caption as its text: screen readers and UI
        // Automation take it for a push button of that name.
        const HWND button = FindChild(view->handle(), L"Button", caption);
        ASSERT_NE(button, nullptr);
        const auto style = GetWindowLongW(button, GWL_STYLE);
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    }
    const HWND save = FindChild(view->handle(), L"Button", L"Speichern");
    SendMessageW(save, BM_CLICK, 0, 0);
    EXPECT_EQ(app.terminations, 1) << "saved, and the program asked to end";
    ASSERT_FALSE(app.dialogs.shown.empty());
    EXPECT_EQ(app.dialogs.shown[0].caption, "Informationen");
}

// Only the page in sight is built before the window shows; a page the user turns to is there at
// once, and the others come as soon as the window handles its messages, laid out in their pages.
TEST_F(MainWindowViewTest, PagesOutOfSightAreBuiltWhenTheyShowOrOnceTheWindowIsUp) {
    view.reset();
    view = std::make_unique<MainWindowView>(*frm);
    ShowWindow(view->handle(), SW_SHOWNORMAL);
    const auto first = FindChildren(view->handle(), L"SysListView32");
    ASSERT_EQ(first.size(), 1u) << "the grid alone";

    frm->pages.SelectNextTabByUser(true);
    ASSERT_EQ(frm->pages.ActivePageIndex(), MainWindow::OptionsTab);
    const auto lists = FindChildren(view->handle(), L"SysListView32");
    ASSERT_EQ(lists.size(), 2u);
    const HWND options = lists[0] == first[0] ? lists[1] : lists[0];
    EXPECT_TRUE(IsWindowVisible(options)) << "the options' list shows with its page";

    HandlePendingMessages();
    EXPECT_EQ(FindChildren(view->handle(), L"SysListView32").size(), 4u);
    const HWND identities = FindChild(view->handle(), L"ComboBox");
    ASSERT_NE(identities, nullptr);
    RECT bounds{};
    GetWindowRect(identities, &bounds);
    EXPECT_GT(bounds.right - bounds.left, 100) << "laid out in its page, though out of sight";
}

// A policy's notice stands above the grid, whole, and in the status bar; without one the grid
// has the page again.
TEST_F(MainWindowViewTest, APolicyNoticeStandsAboveTheGridAndInTheStatusBar) {
    const std::string policies = "Software\\Policies\\Microsoft\\Office\\11.0\\Outlook\\Security";
    sandbox.PutDword(registry::Hive::CurrentUser, policies, "DisallowAttachmentCustomization", 1);
    frm->SwitchVersion("11.0");
    HandlePendingMessages();
    const std::wstring notice = text::Widen(frm->policyNotice.Text());
    const HWND label = FindChild(view->handle(), L"Static", notice);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(IsWindowVisible(label));
    RECT labelBounds{};
    RECT gridBounds{};
    GetWindowRect(label, &labelBounds);
    GetWindowRect(grid, &gridBounds);
    EXPECT_GE(gridBounds.top, labelBounds.bottom);
    EXPECT_GT(labelBounds.bottom - labelBounds.top, 20) << "the notice wraps onto a second line";
    const HWND status = FindChild(view->handle(), STATUSCLASSNAMEW);
    wchar_t shown[512] = {};
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), notice);

    registry::Registry reg;
    ASSERT_TRUE(reg.OpenPath(policies, false));
    reg.RemoveValue("DisallowAttachmentCustomization");
    frm->SwitchVersion("11.0");
    HandlePendingMessages();
    EXPECT_FALSE(IsWindowVisible(label));
    GetWindowRect(grid, &gridBounds);
    RECT page{};
    GetWindowRect(GetParent(grid), &page);
    EXPECT_EQ(gridBounds.top, page.top);
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), L"");
}

// A model outlives its view: once the view is gone, no model reaches into it.
TEST_F(MainWindowViewTest, TheViewsGoWithoutLeavingTheirModelsBound) {
    view.reset();
    EXPECT_FALSE(frm->header.OnChanged);
    EXPECT_FALSE(frm->pages.OnChanged);
    EXPECT_FALSE(frm->attachmentGrid.OnChanged);
    EXPECT_FALSE(frm->outlookOptions.OnChanged);
    EXPECT_FALSE(frm->identityChoice.OnChanged);
    frm->SwitchVersion("10.0");
    frm->pages.SelectNextTabByUser(true);
    EXPECT_EQ(frm->header.Text(), "Outlook 2002 (XP)");
}

}  // namespace
}  // namespace brevolt::win32
