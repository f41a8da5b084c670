// A header painted from the copy of its last painting: only while nothing changed its look.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/win32/PixelBuffer.h"
#include "support/win32/TopWindow.h"
#include "win32/HeaderCopy.h"

namespace brevolt::win32 {
namespace {

// The pixels of a window's client area: as on the screen, or as the window paints it now.
std::vector<std::uint32_t> Pixels(HWND window, bool onScreen) {
    RECT client{};
    GetClientRect(window, &client);
    const testing::PixelBuffer buffer(client.right, client.bottom);
    if (onScreen) {
        const HDC screen = GetDC(window);
        BitBlt(buffer.dc(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    } else {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.dc()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }
    return buffer.Pixels();
}

// A header of three items on a window on screen, counting how often it paints itself, under a
// copy of its painting.
class HeaderCopyTest : public ::testing::Test {
  protected:
    HeaderCopyTest() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 360,
                                 24, top.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        for (int item = 0; item < 3; ++item) {
            SetItem(item, L"Spalte " + std::to_wstring(item + 1), true);
        }
        SetWindowSubclass(header, &CountPaintings, 1, reinterpret_cast<DWORD_PTR>(&paintings));
        copy.emplace(header);
        ShowWindow(top.handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(top.handle());
    }
    ~HeaderCopyTest() override {
        copy.reset();
        RemoveWindowSubclass(header, &CountPaintings, 1);
    }

    void SetItem(int item, std::wstring text, bool insert) {
        HDITEMW format{};
        format.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        format.cxy = 100;
        format.fmt = HDF_STRING | HDF_LEFT;
        format.pszText = text.data();
        SendMessageW(header, insert ? HDM_INSERTITEMW : HDM_SETITEMW, item,
                     reinterpret_cast<LPARAM>(&format));
    }
    // Whatever waits to be painted is painted, and what the screen shows is what the header
    // paints itself.
    void ExpectShownAsPainted() {
        UpdateWindow(header);
        EXPECT_EQ(Pixels(header, true), Pixels(header, false));
    }

    static LRESULT CALLBACK CountPaintings(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR count) {
        if (message == WM_PAINT || message == WM_PRINTCLIENT) {
            ++*reinterpret_cast<int*>(count);
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    testing::TopWindow top{L"HeaderCopyTest", 400, 100};
    HWND header = nullptr;
    int paintings = 0;
    std::optional<HeaderCopy> copy;
};

TEST_F(HeaderCopyTest, ShownAgainItIsPaintedFromTheCopy) {
    ASSERT_EQ(paintings, 1);
    const auto shown = Pixels(header, true);
    ShowWindow(header, SW_HIDE);
    ShowWindow(header, SW_SHOW);
    InvalidateRect(header, nullptr, TRUE);
    UpdateWindow(header);
    EXPECT_EQ(paintings, 1);
    EXPECT_EQ(Pixels(header, true), shown);
    ExpectShownAsPainted();
}

TEST_F(HeaderCopyTest, WhatMayChangeItsLookPaintsItAnew) {
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"an item's text", [this] { SetItem(1, L"Erweiterung", false); }},
        {"its size",
         [this] { SetWindowPos(header, nullptr, 0, 0, 300, 24, SWP_NOMOVE | SWP_NOZORDER); }},
        {"the pointer over it",
         [this] { SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(150, 10)); }},
        {"the visual style", [this] { SendMessageW(header, WM_THEMECHANGED, 0, 0); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.change);
        const int before = paintings;
        change.make();
        InvalidateRect(header, nullptr, TRUE);
        UpdateWindow(header);
        EXPECT_EQ(paintings, before + 1);
        ExpectShownAsPainted();
    }
}

}  // namespace
}  // namespace brevolt::win32
