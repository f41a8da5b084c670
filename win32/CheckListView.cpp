#include "win32/CheckListView.h"
#include "win32/Rebuild.h"

#include <commctrl.h>

#include <utility>

#include "base/WideText.h"

namespace brevolt::win32 {

CheckListView::CheckListView(widgets::CheckList& model, HWND parent, ControlId id,
                             const std::string& name, ThemedBoxes& boxes)
    : model_(model), boxes_(boxes) {
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
    // The ticks are the model's: the list asks for them, and screen readers get them from it.
    ListView_SetCallbackMask(handle(), LVIS_STATEIMAGEMASK);

    bind(model_.OnChanged, [this] { refresh(); });
    refresh();
}

void CheckListView::dpiChanged() {
    boxes_.Clear();
    font_ = CreateUiFont(Dpi(), L"Tahoma", -11, false);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void CheckListView::refresh() {
    std::vector<ShownItem> wanted;
    for (int index = 0; index < model_.Count(); ++index) {
        wanted.push_back({text::Widen(model_.ItemAt(index).caption), model_.Checked(index),
                          model_.Enabled(index)});
    }
    {
        const OwnChanges own(updating_);
        if (wanted.size() != shown_.size()) {
            // In place, so that no item goes away while the list view is busy with a toggle.
            const WholeRedraw redraw(handle());
            for (int extra = ListView_GetItemCount(handle()); extra > model_.Count(); --extra) {
                ListView_DeleteItem(handle(), extra - 1);
            }
            const int existing = ListView_GetItemCount(handle());
            for (int index = 0; index < model_.Count(); ++index) {
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = index;
                item.pszText = wanted[index].caption.data();
                SendMessageW(handle(), index < existing ? LVM_SETITEMW : LVM_INSERTITEMW, 0,
                             reinterpret_cast<LPARAM>(&item));
            }
        } else {
            // Only the items that changed are redrawn, not the list: a page's first showing, for
            // one, loads every item, and most keep what they showed.
            for (int index = 0; index < model_.Count(); ++index) {
                const ShownItem& was = shown_[index];
                ShownItem& now = wanted[index];
                if (now.caption != was.caption) {
                    ListView_SetItemText(handle(), index, 0, now.caption.data());
                }
                if (now.checked != was.checked) {
                    TellTickChanged(handle(), index);
                }
                if (now.checked != was.checked || now.enabled != was.enabled) {
                    ListView_RedrawItems(handle(), index, index);
                }
            }
        }
        shown_ = std::move(wanted);
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
        // The ticks are the model's: a flip the list view tries on its own is refused; clicks
        // and the space bar toggle through NM_CLICK and LVN_KEYDOWN.
        const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
        return (change.uChanged & LVIF_STATE) != 0 &&
               ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0;
    }
    if (header.code == LVN_KEYDOWN) {
        const auto& key = *reinterpret_cast<const NMLVKEYDOWN*>(lParam);
        const int focused = ListView_GetNextItem(handle(), -1, LVNI_FOCUSED);
        if (key.wVKey == VK_SPACE && focused >= 0) {
            model_.ToggleByUser(focused);
        }
        return 0;
    }
    if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        // A click on the box toggles it, as the list view's own boxes do, a double click twice.
        LVHITTESTINFO hit{};
        hit.pt = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->ptAction;
        if (ListView_HitTest(handle(), &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
            model_.ToggleByUser(hit.iItem);
        }
        return 0;
    }
    if (header.code == LVN_GETDISPINFOW) {
        giveState(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
        return 0;
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
        return customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
    }
    return 0;
}

LRESULT CheckListView::customDraw(NMLVCUSTOMDRAW& draw) {
    const int index = static_cast<int>(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            boxes_.Follow(handle());
            painting_ = true;
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_POSTPAINT:
            painting_ = false;
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT:
            if (index >= 0 && index < model_.Count() && !model_.Enabled(index)) {
                draw.clrText = GetSysColor(COLOR_GRAYTEXT);
                return CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
            }
            return CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPOSTPAINT:
            drawBox(draw.nmcd.hdc, index);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

void CheckListView::giveState(LVITEMW& item) const {
    if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK) && item.iItem >= 0 &&
        item.iItem < model_.Count()) {
        // While the list paints, it is told of no box: under Wine an image list's box takes a
        // tenth of a millisecond an item. The view draws the boxes itself.
        const int box = painting_ ? 0 : model_.Checked(item.iItem) ? 2 : 1;
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(box);
    }
}

// In the place of the list's state image, left of the item's icon.
RECT CheckListView::boxOf(int index) const {
    RECT icon{};
    icon.left = LVIR_ICON;
    if (index < 0 ||
        !SendMessageW(handle(), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon))) {
        return {};
    }
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(ListView_GetImageList(handle(), LVSIL_STATE), &width, &height);
    const int size = scaled(kCheckBoxSize);
    const int left = icon.left - width + (width - size) / 2;
    const int top = icon.top + (icon.bottom - icon.top - size) / 2;
    return {left, top, left + size, top + size};
}

void CheckListView::drawBox(HDC dc, int index) {
    if (index < 0 || index >= model_.Count()) {
        return;
    }
    RECT item{};
    ListView_GetItemRect(handle(), index, &item, LVIR_BOUNDS);
    boxes_.Draw(dc, boxOf(index), item, model_.Checked(index));
}

std::optional<LRESULT> CheckListView::reflected(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (message != WM_NOTIFY) {
        return std::nullopt;
    }
    return notified(*reinterpret_cast<const NMHDR*>(lParam), lParam);
}

}  // namespace brevolt::win32
