#include "win32/CheckListView.h"
#include "win32/Rebuild.h"

#include <commctrl.h>

#include <utility>

#include "base/WideText.h"

namespace brevolt::win32 {
CheckListView::CheckListView(widgets::CheckList& model, HWND parent, ControlId id,
                             const std::string& name)
    : model_(model) {
    // A list view shows no window text; accessibility takes it as the list's name.
    adopt(CreateWindowExW(
              WS_EX_CLIENTEDGE, WC_LISTVIEWW, text::Widen(name).c_str(),
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL,
              0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr),
          id);
    font_ = CreateUiFont(Dpi(), L"Tahoma", -11, false);
    const DWORD extended =
        LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP;
    ListView_SetExtendedListViewStyleEx(handle(), extended, extended);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(handle(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void CheckListView::dpiChanged() {
    font_ = CreateUiFont(Dpi(), L"Tahoma", -11, false);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void CheckListView::refresh() {
    {
        // In place, so that no item goes away while the list view is busy with a toggle.
        const Rebuild rebuild(handle(), updating_);
        for (int extra = ListView_GetItemCount(handle()); extra > model_.Count(); --extra) {
            ListView_DeleteItem(handle(), extra - 1);
        }
        const int existing = ListView_GetItemCount(handle());
        for (int index = 0; index < model_.Count(); ++index) {
            std::wstring caption = text::Widen(model_.ItemAt(index).caption);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = index;
            item.pszText = caption.data();
            SendMessageW(handle(), index < existing ? LVM_SETITEMW : LVM_INSERTITEMW, 0,
                         reinterpret_cast<LPARAM>(&item));
            ListView_SetCheckState(handle(), index, model_.Checked(index));
        }
    }
    fitColumn();    // a scroll bar may have come or gone
    reportFocus();  // the focused item may have gone with the items
}

void CheckListView::fitColumn() {
    RECT client{};
    GetClientRect(handle(), &client);
    ListView_SetColumnWidth(handle(), 0, client.right);
}

// Only while the list has the focus: a focused item of a list without it is no user's place.
void CheckListView::reportFocus() {
    model_.ItemFocusedByUser(
        GetFocus() == handle() ? ListView_GetNextItem(handle(), -1, LVNI_FOCUSED) : -1);
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
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
        const bool focusCame = (change.uChanged & LVIF_STATE) != 0 &&
                               (change.uNewState & ~change.uOldState & LVIS_FOCUSED) != 0;
        // While the view rebuilds, refresh() reports where the focus ended up.
        if (focusCame && !updating_ && change.iItem >= 0 && GetFocus() == handle()) {
            model_.ItemFocusedByUser(change.iItem);
        }
        return 0;
    }
    if (header.code == NM_SETFOCUS) {
        reportFocus();
        return 0;
    }
    if (header.code == NM_KILLFOCUS) {
        model_.ItemFocusedByUser(-1);
        return 0;
    }
    if (header.code == LVN_GETINFOTIPW) {
        // The list view offers the caption of a cut-off item; the hint replaces it, and an item
        // without a hint gets no tip.
        auto& tip = *reinterpret_cast<NMLVGETINFOTIPW*>(lParam);
        if (tip.pszText == nullptr || tip.cchTextMax <= 0) {
            return 0;
        }
        const std::wstring hint = tip.iItem >= 0 && tip.iItem < model_.Count()
                                      ? text::Widen(model_.ItemAt(tip.iItem).hint)
                                      : std::wstring();
        const auto length = hint.copy(tip.pszText, static_cast<size_t>(tip.cchTextMax) - 1);
        tip.pszText[length] = L'\0';
        return 0;
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

std::optional<LRESULT> CheckListView::reflected(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (message != WM_NOTIFY) {
        return std::nullopt;
    }
    return notified(*reinterpret_cast<const NMHDR*>(lParam), lParam);
}

}  // namespace brevolt::win32
