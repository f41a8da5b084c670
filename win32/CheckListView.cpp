#include "win32/CheckListView.h"
#include "win32/Rebuild.h"

#include <commctrl.h>

#include <utility>

#include "base/WideText.h"

namespace brevolt::win32 {
CheckListView::CheckListView(widgets::CheckList& model, HWND parent) : model_(model) {
    create(L"BrevoltCheckListView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
           WS_EX_CONTROLPARENT, 0, 0, 0, 0, parent);
    font_ = CreateUiFont(handle(), L"Tahoma", -11, false);
    list_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, 0, 0,
        0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    ListView_SetExtendedListViewStyleEx(list_, extended, extended);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void CheckListView::refresh() {
    {
        // In place, so that no item goes away while the list view is busy with a toggle.
        const Rebuild rebuild(list_, updating_);
        for (int extra = ListView_GetItemCount(list_); extra > model_.Count(); --extra) {
            ListView_DeleteItem(list_, extra - 1);
        }
        const int existing = ListView_GetItemCount(list_);
        for (int index = 0; index < model_.Count(); ++index) {
            std::wstring caption = text::Widen(model_.ItemAt(index).caption);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = index;
            item.pszText = caption.data();
            SendMessageW(list_, index < existing ? LVM_SETITEMW : LVM_INSERTITEMW, 0,
                         reinterpret_cast<LPARAM>(&item));
            ListView_SetCheckState(list_, index, model_.Checked(index));
        }
    }
    fitColumn();  // a scroll bar may have come or gone
}

void CheckListView::fitColumn() {
    RECT client{};
    GetClientRect(list_, &client);
    ListView_SetColumnWidth(list_, 0, client.right);
}

LRESULT CheckListView::notified(const NMHDR& header, LPARAM lParam) {
    if (header.code == LVN_ITEMCHANGING) {
        // The list view flips a box itself on a click or the space bar; the model decides.
        const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
        const bool boxFlipped = (change.uChanged & LVIF_STATE) != 0 &&
                                ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
        if (!boxFlipped || updating_ || change.iItem < 0) {
            return FALSE;
        }
        model_.ToggleByUser(change.iItem);
        return TRUE;
    }
    if (header.code == NM_CUSTOMDRAW) {
        auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYITEMDRAW;
        }
        const int index = static_cast<int>(draw.nmcd.dwItemSpec);
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && index < model_.Count() &&
            !model_.Enabled(index)) {
            draw.clrText = GetSysColor(COLOR_GRAYTEXT);
            return CDRF_NEWFONT;
        }
        return CDRF_DODEFAULT;
    }
    return 0;
}

LRESULT CheckListView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            fitColumn();
            return 0;
        case WM_SETFOCUS:
            SetFocus(list_);
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom == list_) {
                return notified(header, lParam);
            }
            break;
        }
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace brevolt::win32
