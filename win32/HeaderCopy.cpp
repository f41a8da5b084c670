#include "win32/HeaderCopy.h"

#include <commctrl.h>

namespace brevolt::win32 {

HeaderCopy::HeaderCopy(HWND header) : header_(header) {
    SetWindowLongPtrW(header_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    procedure_.Put(header_, &Procedure);
}

HeaderCopy::~HeaderCopy() {
    if (header_ != nullptr && IsWindow(header_) &&
        GetWindowLongPtrW(header_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
        release();
    }
}

void HeaderCopy::release() {
    SetWindowLongPtrW(header_, GWLP_USERDATA, 0);
    procedure_.Release();
    header_ = nullptr;
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
        return ProcedureInFront::CallClass(window, message, wParam, lParam);
    }
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
    return self->procedure_.CallOwn(window, message, wParam, lParam);
}

void HeaderCopy::paint() {
    RECT client{};
    GetClientRect(header_, &client);
    const SIZE size{client.right, client.bottom};
    const Surroundings surroundings = Surroundings::Now();
    const bool same =
        valid_ && size.cx == size_.cx && size.cy == size_.cy && surroundings == surroundings_;
    if (!same) {
        valid_ = false;
        if (!copy_.Fit(size)) {
            procedure_.CallOwn(header_, WM_PAINT, 0, 0);
            return;
        }
        procedure_.CallOwn(header_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy_.dc()),
                           PRF_CLIENT | PRF_ERASEBKGND);
        size_ = size;
        surroundings_ = surroundings;
        valid_ = true;
    }
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(header_, &paint);
    const RECT& area = paint.rcPaint;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, copy_.dc(),
           area.left, area.top, SRCCOPY);
    EndPaint(header_, &paint);
}

}  // namespace brevolt::win32
