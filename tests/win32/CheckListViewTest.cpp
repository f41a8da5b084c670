// The check list on screen: a real list view over a CheckList, driven with the window messages a
// user's mouse and keyboard produce.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/WideText.h"
#include "support/win32/PixelBuffer.h"
#include "support/win32/StateChanges.h"
#include "widgets/CheckList.h"
#include "win32/CheckListView.h"
#include "win32/CloseAtOnce.h"
#include "win32/Panel.h"

namespace brevolt::win32 {
namespace {

std::string ItemText(HWND list, int item) {
    wchar_t buffer[256] = {};
    LVITEMW cell{};
    cell.pszText = buffer;
    cell.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
    return text::Narrow(buffer);
}

// Posts the button's messages as the mouse would and handles them: a list view waits for the
// button to come up (to tell a click from a drag) before it acts on a press.
void ClickTheBox(HWND list, int item) {
    // The box sits left of the item's icon (none here).
    RECT icon{};
    ListView_GetItemRect(list, item, &icon, LVIR_ICON);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_STATE), &width, &height);
    LVHITTESTINFO hit{};
    hit.pt = {icon.left - width / 2 - 1, (icon.top + icon.bottom) / 2};
    ASSERT_EQ(ListView_HitTest(list, &hit), item);
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PressSpaceOn(HWND list, int item) {
    SetFocus(list);
    ListView_SetItemState(list, item, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(list, WM_CHAR, L' ', 0x00390001);
    SendMessageW(list, WM_KEYUP, VK_SPACE, 0xC0390001);
}

void PressKey(HWND list, WPARAM key, int scanCode) {
    const LPARAM repeat = 1 | (scanCode << 16) | 0x01000000;  // an arrow key is an extended key
    SendMessageW(list, WM_KEYDOWN, key, repeat);
    SendMessageW(list, WM_KEYUP, key, repeat | 0xC0000000);
}

// Asks for an item's tip as the list view does: WM_NOTIFY to its parent, with the buffer filled
// with the item's caption (what it shows for a cut-off one).
std::string InfoTip(HWND list, int item, int bufferSize) {
    std::wstring buffer = text::Widen(ItemText(list, item));
    buffer.resize(std::max<size_t>(buffer.size(), bufferSize), L'\0');
    NMLVGETINFOTIPW tip{};
    tip.hdr.hwndFrom = list;
    tip.hdr.idFrom = GetDlgCtrlID(list);
    tip.hdr.code = LVN_GETINFOTIPW;
    tip.pszText = buffer.data();
    tip.cchTextMax = bufferSize;
    tip.iItem = item;
    SendMessageW(GetParent(list), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
    return text::Narrow(buffer.c_str());
}

// The two ways a user toggles an item.
struct Toggle {
    const char* name;
    void (*act)(HWND list, int item);
};
constexpr Toggle kToggles[] = {{"a click on the box", ClickTheBox},
                               {"the space bar", PressSpaceOn}};

// Three options; the second is disabled and ticked.
class CheckListViewTest : public ::testing::Test {
  protected:
    CheckListViewTest() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        host = UniqueWindow(CreateWindowExW(0, L"STATIC", L"CheckListViewTest", WS_OVERLAPPEDWINDOW,
                                            0, 0, 400, 300, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
        items.SetItems({"Anlagen freigeben", "Vorschau ausschalten", "Nur-Text lesen"});
        items.SetChecked(1, true);
        items.SetEnabled(1, false);
        // The parent hands the control's notifications to its view, as the program's panels do.
        panel = std::make_unique<Panel>(host.get(), GetSysColor(COLOR_WINDOW));
        panel->SetBounds({0, 0, 680, 360});
        view = std::make_unique<CheckListView>(items, panel->handle(), ControlId::OutlookOptions,
                                               "Liste", boxes);
        view->SetBounds({10, 10, 310, 210});
        list = view->control();
        items.OnChanged = [this, binding = items.OnChanged] {
            ++changes;
            binding();
        };
    }

    std::vector<bool> Ticks() const {
        std::vector<bool> ticks;
        for (int item = 0; item < ListView_GetItemCount(list); ++item) {
            ticks.push_back(ListView_GetCheckState(list, item) != FALSE);
        }
        return ticks;
    }

    widgets::CheckList items;
    UniqueWindow host;
    ThemedBoxes boxes;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<CheckListView> view;
    HWND list = nullptr;
    int changes = 0;
};

TEST_F(CheckListViewTest, ShowsTheItemsInOneColumnWithoutHeader) {
    const auto style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_CHECKBOXES);
    EXPECT_EQ(view->handle(), list);
    EXPECT_EQ(GetParent(list), panel->handle()) << "no window of the view's own between";

    ASSERT_EQ(ListView_GetItemCount(list), 3);
    EXPECT_EQ(ItemText(list, 0), "Anlagen freigeben");
    EXPECT_EQ(ItemText(list, 2), "Nur-Text lesen");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true, false}));
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), client.right);

    view->SetBounds({0, 0, 200, 100});
    GetClientRect(list, &client);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), client.right) << "the column follows the list";
}

TEST_F(CheckListViewTest, FollowsTheModel) {
    items.SetChecked(2, true);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true, true}));
    items.SetItems({"Eins", "Zwei"});
    ASSERT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(ItemText(list, 1), "Zwei");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false}));
    EXPECT_TRUE(items.Enabled(1));
}

TEST_F(CheckListViewTest, TheUserTogglesEnabledItemsOnly) {
    for (const auto& input : kToggles) {
        SCOPED_TRACE(input.name);
        const bool before = items.Checked(0);
        input.act(list, 0);
        EXPECT_NE(items.Checked(0), before);
        EXPECT_EQ(ListView_GetCheckState(list, 0) != FALSE, !before);

        changes = 0;
        input.act(list, 1);
        EXPECT_TRUE(items.Checked(1)) << "a disabled item keeps its tick";
        EXPECT_TRUE(ListView_GetCheckState(list, 1));
        EXPECT_EQ(changes, 0);
    }
}

// The list painted into a bitmap: its client area's pixels, top row first, as 0xRRGGBB.
struct ListPixels {
    explicit ListPixels(HWND list) {
        RECT client{};
        GetClientRect(list, &client);
        width = client.right;
        const testing::PixelBuffer buffer(client.right, client.bottom);
        SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.dc()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        pixels = buffer.Pixels();
    }

    // How many pixels inside `area` have (or, with `same` false, do not have) the colour.
    int Count(const RECT& area, COLORREF colour, bool same = true) const {
        const std::uint32_t wanted =
            (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        int found = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = std::max<int>(area.left, 0); x < area.right && x < width; ++x) {
                found += (pixels[y * width + x] == wanted) == same;
            }
        }
        return found;
    }

    std::vector<std::uint32_t> pixels;
    int width = 0;
};

// Whether an item's text shows a colour.
bool ShowsColour(HWND list, int item, COLORREF colour) {
    RECT label{};
    ListView_GetItemRect(list, item, &label, LVIR_LABEL);
    return ListPixels(list).Count(label, colour) > 0;
}

// The pixels drawn in the place of an item's state image.
int BoxInk(HWND list, int item) {
    RECT icon{};
    ListView_GetItemRect(list, item, &icon, LVIR_ICON);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_STATE), &width, &height);
    const RECT state{icon.left - width, icon.top, icon.left, icon.bottom};
    return ListPixels(list).Count(state, GetSysColor(COLOR_WINDOW), false);
}

TEST_F(CheckListViewTest, EachItemShowsItsBoxTickedAsTheModelSays) {
    const int unticked = BoxInk(list, 0);
    const int ticked = BoxInk(list, 1);
    EXPECT_GE(unticked, 30) << "a box's frame";
    EXPECT_GT(ticked, unticked) << "the tick";
    items.SetChecked(0, true);
    EXPECT_EQ(BoxInk(list, 0), ticked);
}

TEST_F(CheckListViewTest, AChangeRedrawsItsItemAloneAndATickIsToldToScreenReaders) {
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);  // a hidden window gathers nothing to paint
    UpdateWindow(host.get());
    testing::StateChanges stateChanges;  // what a screen reader hears
    ASSERT_TRUE(stateChanges.Listening());
    const struct {
        const char* change;
        std::function<void()> act;
        int item;  // -1: nothing to redraw
        std::vector<LONG> events;
    } cases[] = {
        {"a tick", [&] { items.SetChecked(2, true); }, 2, {3}},
        {"greyed", [&] { items.SetEnabled(0, false); }, 0, {}},
        {"a hint", [&] { items.SetHint(1, "Richtlinie"); }, -1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        c.act();
        RECT update{};
        const bool redraws = GetUpdateRect(list, &update, FALSE) != FALSE;
        EXPECT_EQ(redraws, c.item >= 0);
        if (redraws && c.item >= 0) {
            RECT item{};
            ListView_GetItemRect(list, c.item, &item, LVIR_BOUNDS);
            EXPECT_GE(update.top, item.top);
            EXPECT_LE(update.bottom, item.bottom);
        }
        EXPECT_EQ(stateChanges.Take(), c.events);
    }
    EXPECT_TRUE(ListView_GetCheckState(list, 2)) << "what a screen reader reads";
    ReadyToCloseAtOnce(host.get());
}

TEST_F(CheckListViewTest, AnItemsHintIsItsToolTip) {
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_INFOTIP);
    const std::string hint = "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.";
    items.SetHint(1, hint);
    const struct {
        int item;
        int bufferSize;
        std::string tip;
    } cases[] = {
        {1, INFOTIPSIZE, hint},
        {0, INFOTIPSIZE, ""},  // no hint, no tip (not even the caption)
        {1, 6, "Diese"},       // cut to the list view's buffer
    };
    for (const auto& tipCase : cases) {
        SCOPED_TRACE(tipCase.item);
        EXPECT_EQ(InfoTip(list, tipCase.item, tipCase.bufferSize), tipCase.tip);
    }
}

TEST_F(CheckListViewTest, TellsTheModelWhichItemHasTheKeyboardFocus) {
    std::vector<int> focused;
    items.OnItemFocused = [&focused](int index) { focused.push_back(index); };
    ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_TRUE(focused.empty()) << "not while the list has no focus";

    SetFocus(list);
    ASSERT_EQ(GetFocus(), list);
    for (int press = 0; press < 3; ++press) {
        PressKey(list, VK_DOWN, 0x50);  // the third finds the last item
    }
    PressKey(list, VK_UP, 0x48);
    EXPECT_EQ(items.FocusedItem(), 1);
    SetFocus(panel->handle());
    EXPECT_EQ(items.FocusedItem(), -1);
    SetFocus(list);
    EXPECT_EQ(focused, (std::vector<int>{0, 1, 2, 1, -1, 1}));

    items.SetItems({"Eins"});  // the focused item goes
    EXPECT_EQ(items.FocusedItem(), ListView_GetNextItem(list, -1, LVNI_FOCUSED));
}

TEST_F(CheckListViewTest, DisabledItemsAreGreyed) {
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_TRUE(ShowsColour(list, 1, grey));
    EXPECT_FALSE(ShowsColour(list, 1, text));
    EXPECT_TRUE(ShowsColour(list, 0, text));
    EXPECT_FALSE(ShowsColour(list, 0, grey));

    items.SetEnabled(1, true);
    EXPECT_FALSE(ShowsColour(list, 1, grey));
}

}  // namespace
}  // namespace brevolt::win32
