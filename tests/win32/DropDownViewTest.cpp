// The drop-down list on screen: a real combo box over a DropDownList, driven with the messages a
// user's choice produces.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/WideText.h"
#include "widgets/DropDownList.h"
#include "win32/DropDownView.h"
#include "win32/Panel.h"

namespace brevolt::win32 {
namespace {

std::vector<std::string> Entries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        std::wstring entry(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0), L'\0');
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
        entries.push_back(text::Narrow(entry));
    }
    return entries;
}

int Selected(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

// Three identities, not in alphabetical order; the first is selected.
class DropDownViewTest : public ::testing::Test {
  protected:
    DropDownViewTest() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        host = UniqueWindow(CreateWindowExW(0, L"STATIC", L"DropDownViewTest", WS_OVERLAPPEDWINDOW,
                                            0, 0, 400, 300, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
        for (const char* entry : {"Zweite Identität", "Haupt-Identität", "Arbeit"}) {
            list.Append(entry);
        }
        list.Select(0);
        list.OnChange = [this] { ++choices; };
        // The parent hands the control's notifications to its view, as the program's panels do.
        panel = std::make_unique<Panel>(host.get(), GetSysColor(COLOR_WINDOW));
        panel->SetBounds({0, 0, 680, 360});
        view = std::make_unique<DropDownView>(list, panel->handle(), ControlId::IdentityChoice);
        view->SetBounds({10, 10, 210, 40});
        combo = view->control();
    }

    widgets::DropDownList list;
    UniqueWindow host;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<DropDownView> view;
    HWND combo = nullptr;
    int choices = 0;
};

TEST_F(DropDownViewTest, ShowsTheEntriesInTheModelsOrder) {
    const auto style = GetWindowLongW(combo, GWL_STYLE);
    EXPECT_EQ(style & 0x3, CBS_DROPDOWNLIST) << "choose only, no typing";
    EXPECT_FALSE(style & CBS_SORT);
    EXPECT_EQ(view->handle(), combo);
    EXPECT_EQ(GetParent(combo), panel->handle()) << "no window of the view's own between";
    EXPECT_EQ(Entries(combo),
              (std::vector<std::string>{"Zweite Identität", "Haupt-Identität", "Arbeit"}));
    EXPECT_EQ(Selected(combo), 0);
    RECT box{};
    GetWindowRect(combo, &box);
    EXPECT_EQ(box.right - box.left, 200) << "as wide as the view";
}

TEST_F(DropDownViewTest, FollowsTheModel) {
    list.Insert(0, "Neu");
    EXPECT_EQ(Entries(combo).front(), "Neu");
    EXPECT_EQ(Selected(combo), 1) << "the selection stays with its entry";
    list.Select(3);
    EXPECT_EQ(Selected(combo), 3);
    list.Select(-1);
    EXPECT_EQ(Selected(combo), CB_ERR);
    list.Clear();
    EXPECT_TRUE(Entries(combo).empty());
    EXPECT_EQ(choices, 0) << "the program's changes are no choice of the user's";
}

TEST_F(DropDownViewTest, TheUsersChoiceGoesToTheModel) {
    struct Choice {
        const char* name;
        void (*choose)(HWND parent, HWND combo, int index);
    };
    const Choice ways[] = {
        {"a pick from the open list",
         [](HWND parent, HWND combo, int index) {
             SendMessageW(combo, CB_SETCURSEL, index, 0);
             SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(combo));
         }},
        {"the arrow key",
         [](HWND, HWND combo, int index) {
             SendMessageW(combo, CB_SETCURSEL, index - 1, 0);
             SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0x01500001);
             SendMessageW(combo, WM_KEYUP, VK_DOWN, 0xC1500001);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        list.Select(0);
        choices = 0;
        way.choose(panel->handle(), combo, 2);
        EXPECT_EQ(list.SelectedIndex(), 2);
        EXPECT_EQ(list.SelectedText(), "Arbeit");
        EXPECT_EQ(choices, 1);
        EXPECT_EQ(Selected(combo), 2);
    }
}

}  // namespace
}  // namespace brevolt::win32
