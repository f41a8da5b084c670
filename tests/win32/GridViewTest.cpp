// The grid on screen: a real list view over a ColumnGrid, driven with the window messages a
// user's mouse and keyboard produce.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/WideText.h"
#include "support/win32/PixelBuffer.h"
#include "support/win32/StateChanges.h"
#include "widgets/ColumnGrid.h"
#include "win32/CloseAtOnce.h"
#include "win32/Gdi.h"
#include "win32/GridView.h"
#include "win32/Panel.h"

namespace brevolt::win32 {
namespace {

using widgets::TextTone;

std::string ItemText(HWND list, int item, int col) {
    wchar_t buffer[256] = {};
    LVITEMW cell{};
    cell.iSubItem = col;
    cell.pszText = buffer;
    cell.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
    return text::Narrow(buffer);
}

std::string HeaderText(HWND list, int col) {
    wchar_t buffer[256] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(ListView_GetHeader(list), HDM_GETITEMW, col, reinterpret_cast<LPARAM>(&item));
    return text::Narrow(buffer);
}

int HeaderFormat(HWND list, int col) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(ListView_GetHeader(list), HDM_GETITEMW, col, reinterpret_cast<LPARAM>(&item));
    return item.fmt;
}

// 0: no box, 1: unticked, 2: ticked.
int StateImage(HWND list, int item) {
    return static_cast<int>(ListView_GetItemState(list, item, LVIS_STATEIMAGEMASK) >> 12);
}

// What of the list waits to be painted, in rows: the first and the one after the last; {0, 0}
// for nothing.
std::pair<int, int> RowsToPaint(HWND list) {
    RECT update{};
    if (!GetUpdateRect(list, &update, FALSE)) {
        return {0, 0};
    }
    RECT row{};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    const int height = row.bottom - row.top;
    return {(update.top - row.top) / height, (update.bottom - row.top + height - 1) / height};
}

// Posts the button's messages as the mouse would and handles them: a list view waits for the
// button to come up (to tell a click from a drag) before it acts on a press.
void Click(HWND window, POINT at, UINT down, UINT up, WPARAM buttons) {
    PostMessageW(window, down, buttons, MAKELPARAM(at.x, at.y));
    PostMessageW(window, up, 0, MAKELPARAM(at.x, at.y));
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Column 0's cell of an item: the item's bounds are the whole row.
RECT FirstCell(HWND list, int item) {
    RECT cell{};
    ListView_GetItemRect(list, item, &cell, LVIR_BOUNDS);
    cell.right = cell.left + ListView_GetColumnWidth(list, 0);
    return cell;
}

// The middle of an item's check box, centred in column 0.
POINT BoxOf(HWND list, int item) {
    const RECT cell = FirstCell(list, item);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

void PressSpaceOn(HWND list, int item) {
    SetFocus(list);
    ListView_SetItemState(list, item, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(list, WM_CHAR, L' ', 0x00390001);
    SendMessageW(list, WM_KEYUP, VK_SPACE, 0xC0390001);
}

int TextWidth(HWND window, const std::string& text) {
    const HDC dc = GetDC(window);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    const std::wstring wide = text::Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

void ClickTheBox(HWND list, int item) {
    LVHITTESTINFO hit{};
    hit.pt = BoxOf(list, item);
    ASSERT_EQ(ListView_HitTest(list, &hit), item);
    Click(list, hit.pt, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

// The two ways a user toggles a box.
struct Toggle {
    const char* name;
    void (*act)(HWND list, int item);
};
constexpr Toggle kToggles[] = {{"a click on the box", ClickTheBox},
                               {"the space bar", PressSpaceOn}};

// The grid of the unblocking page in small: a check box column, two text columns and a rating
// column with its tones; the last row has no check box.
class GridViewTest : public ::testing::Test {
  protected:
    GridViewTest() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        host = UniqueWindow(CreateWindowExW(0, L"STATIC", L"GridViewTest", WS_OVERLAPPEDWINDOW, 0,
                                            0, 700, 400, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
        grid.Reset(4, 3);
        const char* headers[] = {"Freigegeben", "Endung", "Programm", "Bewertung"};
        for (int col = 0; col < 4; ++col) {
            grid.SetHeaderText(col, headers[col]);
            grid.SetColumnWidth(col, 100 + col);
        }
        grid.SetColumnAlignment(0, widgets::Alignment::Centre);
        const Row rows[] = {{".chm", "Kompilierte Hilfe", "Gefährlich", TextTone::Alarm},
                            {".bat", "Stapelverarbeitung", "Sicher", TextTone::Calm},
                            {".txt", "Text", "—", TextTone::Plain}};
        for (int row = 0; row < 3; ++row) {
            if (row < 2) {
                grid.AddCheckBox(0, row, row == 1);
            }
            grid.SetCellText(1, row, rows[row].extension);
            grid.SetCellText(2, row, rows[row].program);
            grid.SetCellText(3, row, rows[row].rating, rows[row].tone);
        }
        grid.EnableSorting(0);
        grid.OnCheckBoxClick = [this](int col, int row) { clicks.emplace_back(col, row); };

        // The parent hands the control's notifications to its view, as the program's panels do.
        panel = std::make_unique<Panel>(host.get(), GetSysColor(COLOR_WINDOW));
        panel->SetBounds({0, 0, 680, 360});
        view = std::make_unique<GridView>(grid, panel->handle(), ControlId::AttachmentGrid,
                                          "Raster", boxes);
        view->SetBounds({0, 0, 660, 300});
        list = view->control();
    }

    struct Row {
        std::string extension;
        std::string program;
        std::string rating;
        TextTone tone;
    };

    std::vector<std::string> Column(int col) const {
        std::vector<std::string> texts;
        for (int item = 0; item < ListView_GetItemCount(list); ++item) {
            texts.push_back(ItemText(list, item, col));
        }
        return texts;
    }

    widgets::ColumnGrid grid;
    std::vector<std::pair<int, int>> clicks;
    UniqueWindow host;
    ThemedBoxes boxes;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<GridView> view;
    HWND list = nullptr;
};

TEST_F(GridViewTest, ShowsTheHeaderAndOneItemPerRow) {
    const auto style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_FALSE(style & LVS_EDITLABELS);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & extended, extended);
    EXPECT_EQ(view->handle(), list);
    EXPECT_EQ(GetParent(list), panel->handle()) << "no window of the view's own between";

    ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 4);
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(HeaderText(list, col), grid.HeaderText(col));
        EXPECT_EQ(ListView_GetColumnWidth(list, col), 100 + col);
    }
    EXPECT_EQ(HeaderFormat(list, 0) & HDF_JUSTIFYMASK, HDF_CENTER);
    EXPECT_EQ(HeaderFormat(list, 1) & HDF_JUSTIFYMASK, HDF_LEFT);

    ASSERT_EQ(ListView_GetItemCount(list), 3);
    EXPECT_EQ(Column(1), (std::vector<std::string>{".chm", ".bat", ".txt"}));
    EXPECT_EQ(Column(2),
              (std::vector<std::string>{"Kompilierte Hilfe", "Stapelverarbeitung", "Text"}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"Gefährlich", "Sicher", "—"}));
    EXPECT_EQ(StateImage(list, 0), 1);
    EXPECT_EQ(StateImage(list, 1), 2);
    EXPECT_EQ(StateImage(list, 2), 0) << "a row without a box shows none";

    RECT bounds{};
    ListView_GetItemRect(list, 0, &bounds, LVIR_BOUNDS);
    EXPECT_EQ(bounds.bottom - bounds.top, Scale(list, 21));
    LOGFONTW headerFont{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(ListView_GetHeader(list), WM_GETFONT, 0, 0)),
               sizeof(headerFont), &headerFont);
    EXPECT_EQ(headerFont.lfWeight, FW_BOLD);
}

TEST_F(GridViewTest, FollowsTheModel) {
    grid.SetCellText(2, 0, "HTML-Hilfe");
    EXPECT_EQ(ItemText(list, 0, 2), "HTML-Hilfe");
    grid.SetHeaderText(1, "Typ");
    EXPECT_EQ(HeaderText(list, 1), "Typ");
    grid.SetChecked(0, 0, true);
    EXPECT_EQ(StateImage(list, 0), 2);
    grid.AddCheckBox(0, 2, true);
    EXPECT_EQ(StateImage(list, 2), 2);
    EXPECT_TRUE(clicks.empty()) << "the view's own updates are no user toggles";
    EXPECT_TRUE(grid.IsChecked(0, 0));

    grid.Reset(2, 1);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 2);
    EXPECT_EQ(HeaderText(list, 1), "");
    EXPECT_EQ(ListView_GetItemCount(list), 1);
    EXPECT_EQ(ItemText(list, 0, 1), "");
    EXPECT_EQ(StateImage(list, 0), 0);

    grid.Reset(3, 4);
    grid.SetCellText(2, 3, "unten");
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 3);
    ASSERT_EQ(ListView_GetItemCount(list), 4);
    EXPECT_EQ(ItemText(list, 3, 2), "unten");

    grid.Reset(3, 0);
    EXPECT_EQ(ListView_GetItemCount(list), 0) << "a grid of no rows shows no items";
}

// Under Wine a repaint of the whole list takes longer than a frame: a change redraws the rows it
// touched and no others.
TEST_F(GridViewTest, AChangeRedrawsItsRowsAndNoOthers) {
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);  // a hidden window gathers nothing to paint
    UpdateWindow(host.get());
    ASSERT_EQ(RowsToPaint(list), std::make_pair(0, 0));
    const struct {
        const char* change;
        std::function<void()> act;
        std::pair<int, int> rows;
    } cases[] = {
        {"a text", [&] { grid.SetCellText(2, 1, "neu"); }, {1, 2}},
        {"a tone alone", [&] { grid.SetCellText(2, 1, "neu", TextTone::Alarm); }, {1, 2}},
        {"a tick", [&] { grid.SetChecked(0, 0, true); }, {0, 1}},
        {"two rows apart",
         [&] {
             grid.SetCellText(1, 0, ".x");
             grid.SetCellText(1, 2, ".y");
         },
         {0, 3}},
        {"a row that comes", [&] { grid.AddRows(1); }, {3, 4}},
        {"nothing", [&] { grid.SetCellText(1, 2, ".y"); }, {0, 0}},
        {"rows out of sight", [&] { grid.AddRows(40); }, {4, 14}},
        {"a row out of sight", [&] { grid.SetCellText(1, 40, ".z"); }, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        c.act();
        const auto [first, end] = RowsToPaint(list);
        EXPECT_EQ(first, c.rows.first);
        if (c.rows.second < 14) {
            EXPECT_EQ(end, c.rows.second);
        } else {
            EXPECT_GE(end, 10) << "to the list's bottom";
        }
        UpdateWindow(list);
    }
    EXPECT_EQ(ListView_GetItemCount(list), 44);
    EXPECT_EQ(ItemText(list, 40, 1), ".z");

    // The sort mark moves from the first column's header to the second's: those two repaint.
    const HWND header = ListView_GetHeader(list);
    UpdateWindow(header);
    grid.HeaderClick(1);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(header, &update, FALSE));
    RECT first{};
    RECT third{};
    Header_GetItemRect(header, 0, &first);
    Header_GetItemRect(header, 2, &third);
    EXPECT_EQ(update.left, first.left);
    EXPECT_LE(update.right, third.left) << "the third column's header stays as it is";
    ReadyToCloseAtOnce(host.get());
}

TEST_F(GridViewTest, TheUsersTogglesGoThroughTheModel) {
    testing::StateChanges stateChanges;  // what a screen reader hears
    ASSERT_TRUE(stateChanges.Listening());
    for (const auto& input : kToggles) {
        SCOPED_TRACE(input.name);
        clicks.clear();
        const bool before = grid.IsChecked(0, 0);
        input.act(list, 0);
        EXPECT_NE(grid.IsChecked(0, 0), before);
        EXPECT_EQ(StateImage(list, 0), before ? 1 : 2);
        input.act(list, 0);
        EXPECT_EQ(grid.IsChecked(0, 0), before);
        EXPECT_EQ(StateImage(list, 0), before ? 2 : 1);
        EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}}));
        EXPECT_TRUE(grid.IsChecked(0, 1)) << "no other row changed";
        EXPECT_EQ(stateChanges.Take(), (std::vector<LONG>{1, 1})) << "each tick is told";
    }
}

TEST_F(GridViewTest, TheListShowsWhatTheModelMadeOfAToggle) {
    // A handler that takes the tick back: the list view must not tick the box on its own.
    grid.OnCheckBoxClick = [this](int col, int row) { grid.SetChecked(col, row, false); };
    for (const auto& input : kToggles) {
        SCOPED_TRACE(input.name);
        input.act(list, 0);
        EXPECT_FALSE(grid.IsChecked(0, 0));
        EXPECT_EQ(StateImage(list, 0), 1);
    }
}

TEST_F(GridViewTest, TheToggleReachesTheRowTheItemShowsAfterSorting) {
    grid.HeaderClick(1);  // .bat, .chm, .txt
    ASSERT_EQ(ItemText(list, 0, 1), ".bat");
    PressSpaceOn(list, 1);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(grid.CellText(1, 1), ".chm");
    EXPECT_TRUE(grid.IsChecked(0, 1));
    EXPECT_EQ(StateImage(list, 1), 2);
}

TEST_F(GridViewTest, ARowWithoutABoxStaysWithout) {
    PressSpaceOn(list, 2);
    EXPECT_FALSE(grid.HasCheckBox(0, 2));
    EXPECT_EQ(StateImage(list, 2), 0);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(GridViewTest, HeaderClicksSortTheModelAndMarkTheColumn) {
    EXPECT_TRUE(HeaderFormat(list, 0) & HDF_SORTUP) << "sorted by the first column at the start";
    const HWND header = ListView_GetHeader(list);
    const auto clickHeader = [&](int col) {
        RECT item{};
        Header_GetItemRect(header, col, &item);
        Click(header, {(item.left + item.right) / 2, (item.top + item.bottom) / 2}, WM_LBUTTONDOWN,
              WM_LBUTTONUP, MK_LBUTTON);
    };

    clickHeader(1);
    EXPECT_EQ(grid.SortColumn(), 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{".bat", ".chm", ".txt"}));
    EXPECT_EQ(StateImage(list, 0), 2) << "the boxes move with their rows";
    EXPECT_EQ(HeaderFormat(list, 1) & (HDF_SORTUP | HDF_SORTDOWN), HDF_SORTUP);
    EXPECT_EQ(HeaderFormat(list, 0) & (HDF_SORTUP | HDF_SORTDOWN), 0);
    EXPECT_EQ(HeaderText(list, 1), "Endung") << "the mark leaves the text alone";

    clickHeader(1);
    EXPECT_FALSE(grid.SortAscending());
    EXPECT_EQ(Column(1), (std::vector<std::string>{".txt", ".chm", ".bat"}));
    EXPECT_EQ(HeaderFormat(list, 1) & (HDF_SORTUP | HDF_SORTDOWN), HDF_SORTDOWN);
    EXPECT_TRUE(clicks.empty());
}

// Under High Contrast every tone takes a colour of the user's scheme, and a selected row the
// list's own: the words tell the meaning. Without it the selection changes nothing.
TEST(GridViewColours, ComeFromTheCellsToneAndGiveWayToHighContrast) {
    // A scheme whose colours are told apart by their index, none of them one of the program's.
    const SystemColours scheme = [](int index) { return RGB(1, 2, index); };
    const struct {
        TextTone tone;
        std::optional<COLORREF> own;
        COLORREF highContrast;
    } cases[] = {{TextTone::Alarm, RGB(255, 0, 0), scheme(COLOR_WINDOWTEXT)},
                 {TextTone::Calm, RGB(0, 0, 255), scheme(COLOR_WINDOWTEXT)},
                 {TextTone::Faint, scheme(COLOR_GRAYTEXT), scheme(COLOR_GRAYTEXT)},
                 {TextTone::Plain, std::nullopt, scheme(COLOR_WINDOWTEXT)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tone));
        EXPECT_EQ(ToneColour(c.tone, false, false, scheme), c.own);
        EXPECT_EQ(ToneColour(c.tone, false, true, scheme), c.own);
        EXPECT_EQ(ToneColour(c.tone, true, false, scheme), c.highContrast);
        EXPECT_EQ(ToneColour(c.tone, true, true, scheme), std::nullopt);
    }
}

// Paints the list into a bitmap and counts the pixels of a colour in a cell.
class Painting {
  public:
    explicit Painting(HWND list) : list_(list) {
        RECT client{};
        GetClientRect(list, &client);
        width_ = client.right;
        const testing::PixelBuffer buffer(client.right, client.bottom);
        // Where the list paints nothing stays the window's colour.
        FillRect(buffer.dc(), &client, GetSysColorBrush(COLOR_WINDOW));
        SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.dc()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        pixels_ = buffer.Pixels();
    }

    // The bounds of what is drawn inside the cell in another colour than `background`, its
    // grid lines left out.
    RECT Ink(const RECT& cell, COLORREF background) const {
        const std::uint32_t plain = Pixel(background);
        RECT ink{cell.right, cell.bottom, cell.left, cell.top};
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y) {
            for (int x = cell.left + 1; x < cell.right - 1 && x < width_; ++x) {
                if (pixels_[y * width_ + x] != plain) {
                    ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                           std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
                }
            }
        }
        return ink;
    }

    int InkCount(const RECT& cell, COLORREF background) const {
        int found = 0;
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y) {
            for (int x = cell.left + 1; x < cell.right - 1 && x < width_; ++x) {
                found += pixels_[y * width_ + x] != Pixel(background);
            }
        }
        return found;
    }

    int Count(int item, int col, COLORREF colour) const {
        RECT cell{};
        ListView_GetSubItemRect(list_, item, col, LVIR_LABEL, &cell);
        const std::uint32_t wanted = Pixel(colour);
        int found = 0;
        for (int y = cell.top; y < cell.bottom; ++y) {
            for (int x = cell.left; x < cell.right && x < width_; ++x) {
                found += pixels_[y * width_ + x] == wanted;
            }
        }
        return found;
    }

  private:
    static std::uint32_t Pixel(COLORREF colour) {
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    HWND list_;
    std::vector<std::uint32_t> pixels_;  // top row first, as 0xRRGGBB
    int width_ = 0;
};

TEST_F(GridViewTest, DrawsEachCellInTheColourOfItsTone) {
    grid.SetCellText(1, 1, ".bat", TextTone::Alarm);  // the cell before a plain one
    grid.SetCellText(2, 2, "Text", TextTone::Faint);
    const Painting painting(list);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_GT(painting.Count(0, 3, red), 0);
    EXPECT_EQ(painting.Count(0, 3, blue), 0);
    EXPECT_GT(painting.Count(1, 3, blue), 0);
    EXPECT_GT(painting.Count(1, 1, red), 0);
    EXPECT_EQ(painting.Count(1, 2, red), 0) << "a colour stays in its cell";
    EXPECT_EQ(painting.Count(2, 3, red) + painting.Count(2, 3, blue), 0);
    EXPECT_GT(painting.Count(2, 3, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(painting.Count(2, 2, GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(painting.Count(2, 2, GetSysColor(COLOR_WINDOWTEXT)), 0);
}

TEST_F(GridViewTest, TheBoxesAreDrawnCentredInTheirColumn) {
    const Painting painting(list);
    const RECT unticked = FirstCell(list, 0);
    const RECT ink = painting.Ink(unticked, GetSysColor(COLOR_WINDOW));
    EXPECT_GE(ink.right - ink.left, 9);
    EXPECT_NEAR(ink.left - unticked.left, unticked.right - ink.right, 2);
    EXPECT_NEAR(ink.top - unticked.top, unticked.bottom - ink.bottom, 2);
    const RECT ticked = FirstCell(list, 1);
    EXPECT_NEAR(painting.Ink(ticked, GetSysColor(COLOR_WINDOW)).left - ticked.left,
                ink.left - unticked.left, 1);
    EXPECT_GT(painting.InkCount(ticked, GetSysColor(COLOR_WINDOW)),
              painting.InkCount(unticked, GetSysColor(COLOR_WINDOW)))
        << "the tick";
    const RECT none = FirstCell(list, 2);
    const RECT empty = painting.Ink(none, GetSysColor(COLOR_WINDOW));
    EXPECT_GE(empty.left, empty.right) << "a row without a box shows none";
}

TEST_F(GridViewTest, AClickBesideTheBoxTogglesNothing) {
    const RECT cell = FirstCell(list, 0);
    Click(list, {cell.right - 8, (cell.top + cell.bottom) / 2}, WM_LBUTTONDOWN, WM_LBUTTONUP,
          MK_LBUTTON);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(grid.IsChecked(0, 0));
}

TEST_F(GridViewTest, RightClickAsksForTheContextMenuWhereItHappened) {
    std::vector<POINT> asked;
    view->OnContextMenu = [&](POINT screen) { asked.push_back(screen); };
    RECT item{};
    ListView_GetItemRect(list, 1, &item, LVIR_LABEL);
    POINT at{item.left + 5, item.top + 5};
    Click(list, at, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
    ClientToScreen(list, &at);
    ASSERT_EQ(asked.size(), 1u) << "once, not again as WM_CONTEXTMENU";
    EXPECT_EQ(asked[0].x, at.x);
    EXPECT_EQ(asked[0].y, at.y);

    // The menu key: the list view passes WM_CONTEXTMENU on without a point.
    ListView_SetItemState(list, 2, LVIS_FOCUSED, LVIS_FOCUSED);
    SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
    ASSERT_EQ(asked.size(), 2u);
    ListView_GetItemRect(list, 2, &item, LVIR_LABEL);
    POINT below{item.left, item.bottom};
    ClientToScreen(list, &below);
    EXPECT_EQ(asked[1].y, below.y);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(GridViewTest, FittingAColumnMeasuresWithTheListsFonts) {
    const std::string wide = "WWWWWWWWWWWWWWWWWWWW";
    grid.SetCellText(2, 1, wide);
    grid.FitColumnToContent(2);
    const int cellText = TextWidth(list, wide);
    EXPECT_GE(grid.ColumnWidth(2), cellText + 12);
    EXPECT_LT(grid.ColumnWidth(2), cellText + 40);
    EXPECT_EQ(ListView_GetColumnWidth(list, 2), grid.ColumnWidth(2));

    const std::string title = "Freigegebene Dateiendungen";  // a header wider than its cells
    grid.SetHeaderText(1, title);
    grid.FitColumnToContent(1);
    const int headerText = TextWidth(ListView_GetHeader(list), title);
    EXPECT_GT(headerText, TextWidth(list, title)) << "the header's font is bold";
    EXPECT_GE(grid.ColumnWidth(1), headerText + 12);
    EXPECT_LT(grid.ColumnWidth(1), headerText + 60);
}

// The pixels of a window's frame as on the screen, its client area left out.
std::vector<std::uint32_t> FramePixels(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -bounds.left, -bounds.top);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const testing::PixelBuffer buffer(width, height);
    const HDC screen = GetWindowDC(window);
    BitBlt(buffer.dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    const std::vector<std::uint32_t> pixels = buffer.Pixels();
    std::vector<std::uint32_t> frame;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const POINT at{x, y};
            if (!PtInRect(&client, at)) {
                frame.push_back(pixels[y * width + x]);
            }
        }
    }
    return frame;
}

// Shown again after its page was turned away, the list's frame (border and scroll bars) is
// painted from a copy while it looks the same: it always shows as the list paints it itself.
TEST_F(GridViewTest, AFrameShownAgainLooksAsTheListPaintsIt) {
    for (int row = grid.AddRows(57); row < grid.RowCount(); ++row) {
        grid.SetCellText(1, row, std::to_string(row));
    }
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(host.get());
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"none", [] {}},
        {"scrolled", [this] { SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0); }},
        {"focused", [this] { SetFocus(list); }},
        {"narrower",
         [this] {
             view->SetBounds({0, 0, 600, 300});
         }},
        {"scrolled back", [this] { SendMessageW(list, WM_VSCROLL, SB_TOP, 0); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.change);
        change.make();
        ShowWindow(list, SW_HIDE);
        ShowWindow(list, SW_SHOW);
        UpdateWindow(list);
        const auto shown = FramePixels(list);
        // The pointer on the frame has the list paint it itself.
        SendMessageW(list, WM_NCMOUSEMOVE, HTBORDER, MAKELPARAM(-1, -1));
        RedrawWindow(list, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
        EXPECT_EQ(shown, FramePixels(list));
        // Off the frame again, which shows once more and is copied as it is now.
        SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
        ShowWindow(list, SW_HIDE);
        ShowWindow(list, SW_SHOW);
        UpdateWindow(list);
    }
}

TEST_F(GridViewTest, TheModelOutlivesItsView) {
    view.reset();
    grid.SetCellText(2, 0, "weiter");
    grid.ToggleCheckBoxByUser(0, 0);
    grid.FitColumnToContent(2);
    EXPECT_GT(grid.ColumnWidth(2), 0);
    EXPECT_EQ(clicks.size(), 1u);
}

}  // namespace
}  // namespace brevolt::win32
