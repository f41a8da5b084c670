#pragma once

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include "base/UniqueHandle.h"

// The owning handles of the Windows side, each with its close policy.
namespace brevolt::win32 {

struct DestroyWindowHandle {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;

struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;

struct DestroyAccelerators {
    void operator()(HACCEL table) const { ::DestroyAcceleratorTable(table); }
};
using UniqueAccelerators = UniqueHandle<HACCEL, DestroyAccelerators>;

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;

struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = UniqueHandle<HDC, DeleteMemoryDc>;  // a DC the program created, not a window's

struct DestroyImageList {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageList>;

struct UnhookWindowsHook {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using UniqueHook = UniqueHandle<HHOOK, UnhookWindowsHook>;

struct CloseTheme {
    void operator()(HTHEME theme) const { CloseThemeData(theme); }
};
using UniqueTheme = UniqueHandle<HTHEME, CloseTheme>;

struct FreeLibraryHandle {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
using UniqueLibrary = UniqueHandle<HMODULE, FreeLibraryHandle>;

// CreateFileW fails with INVALID_HANDLE_VALUE, other calls with null: both own nothing.
struct CloseFileHandle {
    void operator()(HANDLE file) const { CloseHandle(file); }
    static bool IsEmpty(HANDLE file) { return file == nullptr || file == INVALID_HANDLE_VALUE; }
};
using UniqueFile = UniqueHandle<HANDLE, CloseFileHandle>;

// A window's device context, given back when it goes.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace brevolt::win32
