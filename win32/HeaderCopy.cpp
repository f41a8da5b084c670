#include "win32/HeaderCopy.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <utility>

namespace brevolt::win32 {

HeaderCopy::HeaderCopy(HWND header) : header_(header) {
    SetWindowLongPtrW(header_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    own_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(header_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

HeaderCopy::~HeaderCopy() {
    if (header_ != nullptr && IsWindow(header_) &&
        GetWindowLongPtrW(header_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
        release();
    }
}

void HeaderCopy::release() {
    SetWindowLongPtrW(header_, GWLP_USERDATA, 0);
    if (GetWindowLongPtrW(header_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure)) {
        SetWindowLongPtrW(header_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_));
    }
    header_ = nullptr;
}

HeaderCopy::Surroundings HeaderCopy::CurrentSurroundings() {
    Surroundings now;
    const int indexes[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
                           COLOR_3DDKSHADOW};
    for (std::size_t i = 0; i < now.colours.size(); ++i) {
        now.colours[i] = GetSysColor(indexes[i]);
    }
    now.themed = IsThemeActive() != FALSE;
    return now;
}

bool HeaderCopy::OnlyReads(UINT message) {
    switch (message) {
        case WM_NCPAINT:
        case WM_ERASEBKGND:
        case WM_PRINT:
        case WM_PRINTCLIENT:
        case WM_NCHITTEST:
        case WM_GETFONT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_GETDLGCODE:
        case WM_GETOBJECT:
        case WM_NOTIFYFORMAT:
        case WM_QUERYUISTATE:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_NCCALCSIZE:
        case WM_MOVE:
        case WM_SIZE:
        case WM_SHOWWINDOW:
        case HDM_GETITEMCOUNT:
        case HDM_GETITEMA:
        case HDM_GETITEMW:
        case HDM_GETITEMRECT:
        case HDM_HITTEST:
        case HDM_ORDERTOINDEX:
        case HDM_GETORDERARRAY:
        case HDM_GETIMAGELIST:
        case HDM_GETBITMAPMARGIN:
        case HDM_GETUNICODEFORMAT:
        case HDM_LAYOUT:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK HeaderCopy::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HeaderCopy*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        // Let go while another procedure was put in front: the class's is the header's own.
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)),
                               window, message, wParam, lParam);
    }
    const WNDPROC own = self->own_;
    switch (message) {
        case WM_PAINT:
            if (wParam == 0) {
                self->paint();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            self->release();
            break;
        default:
            if (!OnlyReads(message)) {
                self->valid_ = false;
            }
            break;
    }
    return CallWindowProcW(own, window, message, wParam, lParam);
}

void HeaderCopy::paint() {
    RECT client{};
    GetClientRect(header_, &client);
    const SIZE size{client.right, client.bottom};
    const Surroundings surroundings = CurrentSurroundings();
    const bool same =
        valid_ && size.cx == size_.cx && size.cy == size_.cy && surroundings == surroundings_;
    if (!same) {
        if (!makeRoom(size)) {
            valid_ = false;
            CallWindowProcW(own_, header_, WM_PAINT, 0, 0);
            return;
        }
        CallWindowProcW(own_, header_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()),
                        PRF_CLIENT | PRF_ERASEBKGND);
        surroundings_ = surroundings;
        valid_ = true;
    }
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(header_, &paint);
    const RECT& area = paint.rcPaint;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(),
           area.left, area.top, SRCCOPY);
    EndPaint(header_, &paint);
}

bool HeaderCopy::makeRoom(SIZE size) {
    if (dc_ && size.cx == size_.cx && size.cy == size_.cy) {
        return true;
    }
    dc_.reset();
    bitmap_.reset();
    size_ = SIZE{};
    if (size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) {
        return false;
    }
    SelectObject(dc.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    size_ = size;
    return true;
}

}  // namespace brevolt::win32
