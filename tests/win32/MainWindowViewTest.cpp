// The main window on screen, in process: its real controls over the program's logic, on the
// registry sandbox.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
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
    const auto uiState = SendMessageW(view->handle(), WM_QUERYUISTATE, 0, 0);
    EXPECT_FALSE(uiState & UISF_HIDEFOCUS) << "the focus shows from the start";
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

// What a tooltip of the window says, each tool's text, over all of them.
std::vector<std::wstring> ToolTipTexts(HWND window) {
    struct Search {
        HWND owner;
        std::vector<std::wstring> texts;
    } search{window, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM parameter) {
            auto& found = *reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = {};
            GetClassNameW(candidate, name, 64);
            if (std::wstring(name) != TOOLTIPS_CLASSW ||
                GetWindow(candidate, GW_OWNER) != found.owner) {
                return TRUE;
            }
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            for (WPARAM index = 0; SendMessageW(candidate, TTM_ENUMTOOLSW, index,
                                                reinterpret_cast<LPARAM>(&tool)) != FALSE;
                 ++index) {
                std::vector<wchar_t> text(1024);
                tool.lpszText = text.data();
                SendMessageW(candidate, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
                found.texts.emplace_back(text.data());
                tool.lpszText = nullptr;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.texts;
}

// The tooltips, each a window of its own, are made once the window is up; they say the buttons'
// hints and the whole of the notice that the status bar cuts.
TEST_F(MainWindowViewTest, TheToolTipsComeOnceTheWindowIsUp) {
    const std::string policies = "Software\\Policies\\Microsoft\\Office\\11.0\\Outlook\\Security";
    sandbox.PutDword(registry::Hive::CurrentUser, policies, "DisallowAttachmentCustomization", 1);
    frm->SwitchVersion("11.0");
    view.reset();
    view = std::make_unique<MainWindowView>(*frm);
    ShowWindow(view->handle(), SW_SHOWNORMAL);
    UpdateWindow(view->handle());
    EXPECT_TRUE(ToolTipTexts(view->handle()).empty()) << "none before the first paint";

    HandlePendingMessages();
    const auto texts = ToolTipTexts(view->handle());
    const auto says = [&texts](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text::Widen(text)) != texts.end();
    };
    EXPECT_TRUE(says(frm->saveButton.Hint()));
    EXPECT_TRUE(says(frm->exitButton.Hint()));
    ASSERT_FALSE(frm->policyNotice.Text().empty());
    EXPECT_TRUE(says(frm->statusNotice.Text())) << "the whole notice";
}

// The tab control's update region lies in the band of tabs below the pages, but for the border
// the chosen tab reaches over.
void ExpectTabsAloneRepainted(HWND tabs) {
    RECT page{};
    GetClientRect(tabs, &page);
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    InflateRect(&page, -4, -4);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(tabs, &update, FALSE)) << "the tabs show the new choice";
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &update, &page)) << "nothing of the page's area";
}

// The page turned to comes on top of the one it replaces, which thus exposes nothing as it goes:
// beneath the pages, the tab control repaints its tabs alone. So it does when other tabs show:
// the pane beneath the pages stays as it was.
TEST_F(MainWindowViewTest, TurningAPageOrSwitchingTabsRepaintsTheTabsAloneBeneathThePages) {
    const HWND tabs = FindChild(view->handle(), WC_TABCONTROLW);
    ASSERT_NE(tabs, nullptr);
    int shownPages = 0;  // made before the window showed, the others went out of sight all the same
    for (HWND page = GetWindow(GetParent(tabs), GW_CHILD); page != nullptr;
         page = GetWindow(page, GW_HWNDNEXT)) {
        shownPages += page != tabs && (GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    EXPECT_EQ(shownPages, 1);
    HandlePendingMessages();
    frm->pages.SelectNextTabByUser(true);
    ASSERT_EQ(frm->pages.ActivePageIndex(), MainWindow::OptionsTab);
    ExpectTabsAloneRepainted(tabs);

    HandlePendingMessages();
    frm->mainMenu.Find("express")->Click();
    ASSERT_EQ(frm->pages.ActivePageIndex(), MainWindow::IdentitiesTab);
    ExpectTabsAloneRepainted(tabs);
    HandlePendingMessages();
    frm->mainMenu.Find("version2")->Click();
    ASSERT_EQ(frm->pages.ActivePageIndex(), MainWindow::UnblockingTab);
    ExpectTabsAloneRepainted(tabs);
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
    ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 2);
    wchar_t shown[512] = {};
    SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(shown));
    std::wstring cut = shown;
    ASSERT_GT(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), L"...") << "the notice cut to its part";
    EXPECT_EQ(notice.rfind(cut.substr(0, cut.size() - 3), 0), 0u);
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), L"");
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 0);
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), L"Ungespeicherte Änderungen");
    SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), cut) << "both show";
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 0);

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
    SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(shown));
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

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The controls of the main window, pages built.
std::vector<HWND> AllControls(HWND window) {
    HandlePendingMessages();
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

// UI Automation reports a control's id as its AutomationId: no two may share one. Lists have
// their page's name, the drop-down the label made just before it.
TEST_F(MainWindowViewTest, EveryControlHasAnIdOfItsOwnAndEachListAName) {
    std::map<LONG_PTR, std::wstring> ids;
    for (const HWND control : AllControls(view->handle())) {
        const LONG_PTR id = GetWindowLongPtrW(control, GWLP_ID);
        wchar_t className[64] = {};
        GetClassNameW(control, className, 64);
        if (id == 0 || id == -1 || id == 0xFFFF) {
            continue;
        }
        EXPECT_TRUE(ids.emplace(id, className).second)
            << text::Narrow(className) << " shares id " << id << " with " << text::Narrow(ids[id]);
    }
    EXPECT_GE(ids.size(), 12u);
    std::vector<std::wstring> names;
    for (const HWND list : FindChildren(view->handle(), L"SysListView32")) {
        names.push_back(WindowText(list));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Dateien freischalten", L"Identitäten",
                                                L"Outlook Express", L"Weitere Einstellungen"}));
    const HWND choice = FindChild(view->handle(), L"ComboBox");
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(WindowText(GetWindow(choice, GW_HWNDPREV)), L"Identität wählen:");
}

// The version shown carries the radio mark in "Outlook wechseln"; "Letzte Speicherung
// rückgängig…" is greyed while there is no save to undo.
TEST_F(MainWindowViewTest, TheMenusShowTheVersionInUseAndWhatCanBeChosen) {
    const HMENU bar = GetMenu(view->handle());
    const auto state = [&](int menu, UINT id, bool initialise) {
        const HMENU popup = GetSubMenu(bar, menu);
        if (initialise) {
            SendMessageW(view->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), menu);
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoW(popup, id, FALSE, &info);
        return info;
    };
    // Ids as counted in the menu tree: "Datei" 100, its items 101 to 103; "Outlook wechseln"
    // 104, Express 105, the separator 106, the versions 107 (2000) to 113.
    const auto outlook2003 = state(1, 109, true);
    EXPECT_TRUE(outlook2003.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(outlook2003.fState & MFS_CHECKED);
    EXPECT_FALSE(state(1, 108, false).fState & MFS_CHECKED);
    EXPECT_TRUE(state(0, 102, true).fState & MFS_GRAYED) << "no save to undo";
    EXPECT_FALSE(state(0, 101, false).fState & MFS_GRAYED);
    frm->SwitchVersion("10.0");
    EXPECT_TRUE(state(1, 108, true).fState & MFS_CHECKED);
    EXPECT_FALSE(state(1, 109, false).fState & MFS_CHECKED);
}

TEST(FittedWindowBounds, TheWindowIsCentredAndNeverLargerThanTheWorkArea) {
    const struct {
        RECT workArea;
        int width;
        int height;
        RECT expected;
    } cases[] = {
        {{0, 0, 1280, 984}, 720, 540, {280, 222, 1000, 762}},
        {{0, 0, 1280, 984}, 1440, 1080, {0, 0, 1280, 984}},
        {{1280, 40, 2560, 1064}, 1080, 810, {1380, 147, 2460, 957}},
        {{-1280, 0, 0, 1024}, 1440, 540, {-1280, 242, 0, 782}},
    };
    for (const auto& c : cases) {
        const RECT bounds = FittedWindowBounds(c.workArea, c.width, c.height);
        EXPECT_TRUE(EqualRect(&bounds, &c.expected))
            << bounds.left << "," << bounds.top << "," << bounds.right << "," << bounds.bottom;
    }
}

// A move to a monitor of another scale: the window takes the suggested rectangle, and fonts,
// buttons, rows and columns follow; every column, the policy's included, stays in sight.
TEST_F(MainWindowViewTest, AnotherScaleScalesEverythingAndKeepsEveryColumnInSight) {
    sandbox.PutText(registry::Hive::CurrentUser,
                    "Software\\Policies\\Microsoft\\Office\\11.0\\Outlook\\Security",
                    "FileExtensionsAddLevel1", "chm");
    sandbox.PutDword(registry::Hive::CurrentUser,
                     "Software\\Policies\\Microsoft\\Office\\11.0\\Outlook\\Security",
                     "AdminSecurityMode", 3);
    frm->SwitchVersion("11.0");
    HandlePendingMessages();
    ASSERT_GT(ListView_GetColumnWidth(grid, 4), 0) << "the policy's column shows";
    const auto fontHeight = [](HWND window) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return std::abs(font.lfHeight);
    };
    const auto fontFace = [](HWND window) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return std::wstring(font.lfFaceName);
    };
    const auto allColumnsInSight = [&] {
        RECT client{};
        GetClientRect(grid, &client);
        int sum = 0;
        for (int col = 0; col < 5; ++col) {
            sum += ListView_GetColumnWidth(grid, col);
        }
        return sum <= client.right && ListView_GetColumnWidth(grid, 3) > 0;
    };
    EXPECT_TRUE(allColumnsInSight()) << "at 96 dpi";
    const HWND header = FindChild(view->handle(), L"Static", L"Outlook 2003");
    const HWND save = FindChild(view->handle(), L"Button", L"Speichern");
    EXPECT_EQ(fontFace(header), L"MS Sans Serif");
    for (const UINT dpi : {144u, 192u, 96u}) {
        SCOPED_TRACE(dpi);
        // Within the test's screen, as the system would suggest it there.
        RECT suggested{10, 10, 10 + std::min(MulDiv(720, dpi, 96), 1180),
                       10 + std::min(MulDiv(540, dpi, 96), 900)};
        SendMessageW(view->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        HandlePendingMessages();
        RECT window{};
        GetWindowRect(view->handle(), &window);
        EXPECT_TRUE(EqualRect(&window, &suggested));
        EXPECT_EQ(fontHeight(header), MulDiv(24, dpi, 96));
        EXPECT_EQ(fontFace(header), dpi == 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif");
        EXPECT_EQ(fontHeight(grid), MulDiv(11, dpi, 96));
        RECT button{};
        GetWindowRect(save, &button);
        EXPECT_EQ(button.right - button.left, MulDiv(97, dpi, 96));
        RECT row{};
        ListView_GetItemRect(grid, 0, &row, LVIR_BOUNDS);
        EXPECT_NEAR(row.bottom - row.top, MulDiv(21, dpi, 96), 1);
        EXPECT_TRUE(allColumnsInSight());
    }
}

}  // namespace
}  // namespace brevolt::win32
