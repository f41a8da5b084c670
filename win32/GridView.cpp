#include "win32/GridView.h"
#include "win32/HeldDrawing.h"
#include "win32/Rebuild.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "base/WideText.h"

namespace brevolt::win32 {
namespace {

constexpr int kRowHeight = 21;
// A list view leaves this much beside a cell's text, both sides together.
constexpr int kCellMargin = 12;
// Room a header needs beside its text for the sort arrow (any column may be sorted); column 0's
// check box is no wider.
constexpr int kSortMarkRoom = 20;

// An image list of `count` images that draw nothing.
UniqueImageList BlankImages(int width, int height, int count) {
    UniqueImageList images(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, count, 0));
    const UniqueBitmap colours(CreateBitmap(width * count, height, 1, 32, nullptr));
    // A monochrome bitmap's rows are whole 16-bit words; set bits mark transparent pixels.
    const std::vector<BYTE> transparent(((width * count + 15) / 16) * 2 * height, 0xFF);
    const UniqueBitmap mask(CreateBitmap(width * count, height, 1, 1, transparent.data()));
    ImageList_Add(images.get(), colours.get(), mask.get());
    return images;
}

// Copies a text into a list view's buffer of `chars` characters, cut where the buffer ends, as
// the list view would; no allocation, since the list asks for every cell it paints.
void CopyText(const std::string& text, wchar_t* buffer, int chars) {
    if (buffer == nullptr || chars <= 0) {
        return;
    }
    const int written = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                            buffer, chars - 1);
    buffer[written > 0 ? written : 0] = L'\0';
}

// The fonts of the list's cells and of its header.
UniqueFont GridFont(UINT dpi, bool header) {
    return CreateUiFont(dpi, L"Tahoma", -11, header);
}

// Measures texts in the grid's fonts, in pixels at 96 dots per inch. Each font is selected for
// good into a DC of its own, a copy of the view's: a DC fetched and a font selected per text
// cost more than the measure under Wine.
class CellMeasure {
  public:
    explicit CellMeasure(UINT dpi)
        : dpi_(static_cast<int>(dpi)), cells_(dpi, false), header_(dpi, true) {}

    int operator()(const std::string& text, bool header) {
        const auto [at, added] = widths_.try_emplace({text, header}, 0);
        if (added) {
            const std::wstring wide = text::Widen(text);
            SIZE size{};
            GetTextExtentPoint32W((header ? header_ : cells_).dc(), wide.c_str(),
                                  static_cast<int>(wide.size()), &size);
            at->second =
                MulDiv(size.cx, 96, dpi_) + (header ? kCellMargin + kSortMarkRoom : kCellMargin);
        }
        return at->second;
    }

  private:
    class FontDc {
      public:
        FontDc(UINT dpi, bool header)
            : font_(GridFont(dpi, header)),
              dc_(CreateCompatibleDC(nullptr)),
              was_(SelectObject(dc_.get(), font_.get())) {}
        FontDc(const FontDc&) = delete;
        FontDc& operator=(const FontDc&) = delete;
        ~FontDc() { SelectObject(dc_.get(), was_); }
        HDC dc() const { return dc_.get(); }

      private:
        UniqueFont font_;  // outlives the DC
        UniqueDc dc_;
        HGDIOBJ was_;
    };

    int dpi_;
    FontDc cells_;
    FontDc header_;
    // The grid's texts come from a fixed catalogue: each is measured once.
    std::map<std::pair<std::string, bool>, int> widths_;
};

}  // namespace

std::optional<COLORREF> ToneColour(widgets::TextTone tone, bool highContrast, bool selected,
                                   const SystemColours& system) {
    if (highContrast && selected) {
        return std::nullopt;
    }
    switch (tone) {
        case widgets::TextTone::Alarm:
            return RoleColour(ColourRole::AlarmText, highContrast, system);
        case widgets::TextTone::Calm:
            return RoleColour(ColourRole::CalmText, highContrast, system);
        case widgets::TextTone::Faint:
            return RoleColour(ColourRole::FaintText, highContrast, system);
        case widgets::TextTone::Plain:
            break;
    }
    return RoleColour(ColourRole::ListText, highContrast, system);
}

GridView::GridView(widgets::ColumnGrid& model, HWND parent, ControlId id, const std::string& name,
                   ThemedBoxes& boxes)
    : model_(model), themedBoxes_(boxes) {
    // A list view shows no window text; accessibility takes it as the list's name.
    adopt(CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, text::Widen(name).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                              LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                          0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr),
          id, true);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                           LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP;
    ListView_SetExtendedListViewStyleEx(handle(), extended, extended);
    headerCopy_.emplace(ListView_GetHeader(handle()));
    makeFonts();
    // The list view asks for the ticks (screen readers read them there) but draws no box of its
    // own at the item's left: its state images are one pixel wide and blank.
    ListView_SetCallbackMask(handle(), LVIS_STATEIMAGEMASK);
    // The list view destroys the list it holds last with itself; its own boxes go here.
    const UniqueImageList ownBoxes(
        ListView_SetImageList(handle(), BlankImages(1, 1, 3).release(), LVSIL_STATE));
    setRowHeight();

    bind(model_.OnChanged, [this] { refresh(); });
    // Columns fitted before the view came are fitted again with the list's fonts.
    bind([this] { installMeasure(); }, [this] { model_.SetMeasure(nullptr); });
    refresh();
}

void GridView::makeFonts() {
    font_ = GridFont(Dpi(), false);
    headerFont_ = GridFont(Dpi(), true);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageW(ListView_GetHeader(handle()), WM_SETFONT,
                 reinterpret_cast<WPARAM>(headerFont_.get()), FALSE);
}

void GridView::installMeasure() {
    model_.SetMeasure(
        [measure = std::make_shared<CellMeasure>(Dpi())](const std::string& text, bool header) {
            return (*measure)(text, header);
        });
}

void GridView::dpiChanged() {
    themedBoxes_.Clear();
    {
        const WholeRedraw redraw(handle());
        makeFonts();
        setRowHeight();
    }
    installMeasure();  // fits the fitted columns again, at the new scale
    refresh();
}

bool GridView::fitFillColumn() {
    const int fill = model_.FillColumn();
    if (fill < 0 || fill >= static_cast<int>(shownColumns_.size())) {
        return false;
    }
    RECT client{};
    GetClientRect(handle(), &client);
    int others = 0;
    for (int col = 0; col < static_cast<int>(shownColumns_.size()); ++col) {
        if (col != fill) {
            others += ListView_GetColumnWidth(handle(), col);
        }
    }
    const int width = std::max<int>(shownColumns_[fill].width, client.right - others);
    if (ListView_GetColumnWidth(handle(), fill) == width) {
        return false;
    }
    ListView_SetColumnWidth(handle(), fill, width);
    return true;
}

void GridView::setRowHeight() {
    // A list view's rows are as high as its small images plus a padding of its own, which one
    // probe item tells; blank images then set the height.
    const int wanted = scaled(kRowHeight);
    const UniqueImageList probe(ImageList_Create(1, wanted, ILC_COLOR32, 1, 0));
    ListView_SetImageList(handle(), probe.get(), LVSIL_SMALL);
    RECT bounds{};
    {
        const WholeRedraw redraw(handle());
        const int items = ListView_GetItemCount(handle());
        if (items == 0) {
            ListView_SetItemCountEx(handle(), 1, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        }
        ListView_GetItemRect(handle(), 0, &bounds, LVIR_BOUNDS);
        if (items == 0) {
            ListView_SetItemCountEx(handle(), 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        }
    }
    const int padding =
        std::clamp(static_cast<int>(bounds.bottom - bounds.top) - wanted, 0, wanted - 1);
    UniqueImageList rows = BlankImages(1, wanted - padding, 1);
    // The list view destroys the list it holds last with itself; the probe goes here.
    ListView_SetImageList(handle(), rows.release(), LVSIL_SMALL);
}

void GridView::refresh() {
    // Columns that come or go move every cell: the list is then redrawn whole, once.
    if (model_.ColCount() != static_cast<int>(shownColumns_.size())) {
        const WholeRedraw redraw(handle());
        refreshColumns();
        refreshItems();
        fitFillColumn();
        refreshRest();
        return;
    }
    const int shownRows = static_cast<int>(shownItems_.size());
    if (model_.RowCount() == shownRows && !columnsChanged()) {
        redrawRows(refreshItems());
        refreshRest();
        return;
    }
    // A new count or new column widths set the scroll bars anew: once, at the end.
    bool columnsMoved = false;
    ChangedRows changed;
    {
        const HeldDrawing held(handle());
        columnsMoved = refreshColumns();
        changed = refreshItems();
        columnsMoved = fitFillColumn() || columnsMoved;
        refreshRest();
    }
    if (columnsMoved) {
        InvalidateRect(handle(), nullptr, TRUE);
        return;
    }
    redrawRows({std::min(shownRows, model_.RowCount()),
                std::max(shownRows, model_.RowCount()) - 1});  // the rows that came or went
    redrawRows(changed);
}

void GridView::refreshRest() {
    formatHeader();
    // The keyboard works on the focused item: there is one from the start.
    if (ListView_GetItemCount(handle()) > 0 &&
        ListView_GetNextItem(handle(), -1, LVNI_FOCUSED) < 0) {
        ListView_SetItemState(handle(), 0, LVIS_FOCUSED, LVIS_FOCUSED);
    }
}

GridView::ShownColumn GridView::wantedColumn(int col) const {
    return {
        model_.HeaderText(col), scaled(model_.ColumnWidth(col)),
        model_.ColumnAlignment(col) == widgets::Alignment::Centre ? LVCFMT_CENTER : LVCFMT_LEFT};
}

bool GridView::columnsChanged() const {
    for (int col = 0; col < model_.ColCount(); ++col) {
        if (!(shownColumns_[col] == wantedColumn(col))) {
            return true;
        }
    }
    return false;
}

bool GridView::refreshColumns() {
    bool changed = false;
    for (int extra = static_cast<int>(shownColumns_.size()); extra > model_.ColCount(); --extra) {
        ListView_DeleteColumn(handle(), extra - 1);
        changed = true;
    }
    const int existing = std::min(model_.ColCount(), static_cast<int>(shownColumns_.size()));
    shownColumns_.resize(model_.ColCount());
    for (int col = 0; col < model_.ColCount(); ++col) {
        ShownColumn wanted = wantedColumn(col);
        if (col < existing && shownColumns_[col] == wanted) {
            continue;
        }
        std::wstring title = text::Widen(wanted.title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = wanted.format;
        column.cx = wanted.width;
        column.pszText = title.data();
        SendMessageW(handle(), col < existing ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, col,
                     reinterpret_cast<LPARAM>(&column));
        shownColumns_[col] = std::move(wanted);
        changed = true;
    }
    return changed;
}

GridView::ChangedRows GridView::refreshItems() {
    const int rows = model_.RowCount();
    const int kept = std::min(rows, static_cast<int>(shownItems_.size()));
    shownItems_.resize(rows);
    ChangedRows changed{kept, -1};
    for (int row = 0; row < rows; ++row) {
        if (takeRow(row) && row < kept) {
            changed.first = std::min(changed.first, row);
            changed.last = row;
        }
    }
    if (ListView_GetItemCount(handle()) != rows) {
        const int top = ListView_GetTopIndex(handle());
        ListView_SetItemCountEx(handle(), rows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        if (ListView_GetTopIndex(handle()) != top) {
            InvalidateRect(handle(), nullptr, TRUE);  // the rows in sight moved
        }
    }
    return changed;
}

bool GridView::takeRow(int row) {
    ShownItem& shown = shownItems_[row];
    bool changed = false;
    const int columns = model_.ColCount();
    if (static_cast<int>(shown.cells.size()) != columns) {
        shown.cells.resize(columns);
        changed = true;
    }
    for (int col = 0; col < columns; ++col) {
        ShownCell& cell = shown.cells[col];
        const std::string& text = model_.CellText(col, row);
        const widgets::TextTone tone = model_.CellTone(col, row);
        if (cell.text != text || cell.tone != tone) {
            cell.text = text;
            cell.tone = tone;
            changed = true;
        }
    }
    const int box = tickState(row);
    if (shown.box != box) {
        if (shown.box != 0 && box != 0) {
            TellTickChanged(handle(), row);
        }
        shown.box = box;
        changed = true;
    }
    return changed;
}

void GridView::redrawRows(ChangedRows rows) {
    if (rows.first > rows.last) {
        return;
    }
    const int count = ListView_GetItemCount(handle());
    if (count == 0) {
        InvalidateRect(handle(), nullptr, TRUE);
        return;
    }
    // One rectangle for them all (under Wine every invalidation is a trip to its server),
    // reckoned from the top row: rows that went are where they were.
    const int top = ListView_GetTopIndex(handle());
    RECT topRow{};
    ListView_GetItemRect(handle(), top, &topRow, LVIR_BOUNDS);
    const int height = topRow.bottom - topRow.top;
    const int first = std::max(rows.first, top);
    const int last = std::min(rows.last, top + ListView_GetCountPerPage(handle()));
    if (first > last || height <= 0) {
        return;
    }
    RECT client{};
    GetClientRect(handle(), &client);
    const RECT area{client.left, topRow.top + (first - top) * height, client.right,
                    std::min<LONG>(client.bottom, topRow.top + (last - top + 1) * height)};
    InvalidateRect(handle(), &area, TRUE);
}

void GridView::giveDisplayInfo(LVITEMW& item) const {
    const int row = rowOf(item.iItem);
    if (row < 0) {
        return;
    }
    if (item.mask & LVIF_TEXT) {
        const bool inGrid = item.iSubItem >= 0 && item.iSubItem < model_.ColCount();
        CopyText(inGrid ? model_.CellText(item.iSubItem, row) : std::string(), item.pszText,
                 item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE) {
        item.iImage = I_IMAGENONE;  // the rows' height comes from the small images; none is drawn
    }
    if (item.mask & LVIF_INDENT) {
        item.iIndent = 0;
    }
    if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK)) {
        // While the list paints, it is told of no box: its state images are blank, and under Wine
        // drawing one takes a tenth of a millisecond a row. The view draws the boxes itself.
        const int box = painting_ ? 0 : tickState(row);
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(box);
    }
}

void GridView::formatHeader() {
    // On the header items themselves: a list view keeps its first column left-aligned.
    const HWND header = ListView_GetHeader(handle());
    std::vector<std::pair<int, int>> changed;  // column, format
    for (int col = 0; col < Header_GetItemCount(header); ++col) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, col, &item);
        int format = item.fmt & ~(HDF_JUSTIFYMASK | HDF_SORTUP | HDF_SORTDOWN);
        format |= model_.ColumnAlignment(col) == widgets::Alignment::Centre ? HDF_CENTER : HDF_LEFT;
        if (model_.SortingEnabled() && col == model_.SortColumn()) {
            format |= model_.SortAscending() ? HDF_SORTUP : HDF_SORTDOWN;
        }
        if (format != item.fmt) {
            changed.emplace_back(col, format);
        }
    }
    if (changed.empty()) {
        return;
    }
    // A sort mark that moves repaints the two items it leaves and reaches, not the header.
    std::vector<RECT> items;
    {
        const OwnInvalidation own(header);
        for (const auto& [col, format] : changed) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            item.fmt = format;
            Header_SetItem(header, col, &item);
            RECT bounds{};
            Header_GetItemRect(header, col, &bounds);
            items.push_back(bounds);
        }
    }
    for (const RECT& bounds : items) {
        InvalidateRect(header, &bounds, TRUE);
    }
}

RECT GridView::boxOf(int item) const {
    RECT row{};
    ListView_GetItemRect(handle(), item, &row, LVIR_BOUNDS);
    const int cellWidth = ListView_GetColumnWidth(handle(), 0);
    const int size = scaled(kCheckBoxSize);
    const int left = row.left + (cellWidth - size) / 2;
    const int top = row.top + (row.bottom - row.top - size) / 2;
    return {left, top, left + size, top + size};
}

void GridView::drawBox(HDC dc, int item) {
    const int row = rowOf(item);
    if (row < 0 || !model_.HasCheckBox(0, row)) {
        return;
    }
    const bool ticked = model_.IsChecked(0, row);
    const RECT box = boxOf(item);
    // Clipped to column 0, which the user may narrow below the box.
    RECT cell{};
    ListView_GetItemRect(handle(), item, &cell, LVIR_BOUNDS);
    cell.right = cell.left + ListView_GetColumnWidth(handle(), 0);
    themedBoxes_.Draw(dc, box, cell, ticked);
}

void GridView::clicked(const NMITEMACTIVATE& click) {
    if (click.iItem < 0 || click.iSubItem != 0) {
        return;
    }
    const RECT box = boxOf(click.iItem);
    if (PtInRect(&box, click.ptAction)) {
        model_.ToggleCheckBoxByUser(0, rowOf(click.iItem));
    }
}

int GridView::tickState(int row) const {
    return !model_.HasCheckBox(0, row) ? 0 : model_.IsChecked(0, row) ? 2 : 1;
}

int GridView::rowOf(int item) const {
    return item >= 0 && item < model_.RowCount() ? item : -1;
}

LRESULT GridView::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCPAINT) {
        frameCopy_.Heard(message);
        return ControlView::subclassed(message, wParam, lParam);
    }
    if (frameCopy_.PaintFromCopy(handle())) {
        return 0;
    }
    const LRESULT result = ControlView::subclassed(message, wParam, lParam);
    frameCopy_.Take(handle(), wParam);
    return result;
}

LRESULT GridView::notified(const NMHDR& header, LPARAM lParam) {
    switch (header.code) {
        case LVN_ITEMCHANGING: {
            const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
            const bool boxFlipped = (change.uChanged & LVIF_STATE) != 0 &&
                                    ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
            // The ticks are the model's: a flip the list view tries on its own is refused, and
            // the space bar toggles through LVN_KEYDOWN.
            return boxFlipped;
        }
        case LVN_KEYDOWN: {
            const auto& key = *reinterpret_cast<const NMLVKEYDOWN*>(lParam);
            const int row = rowOf(ListView_GetNextItem(handle(), -1, LVNI_FOCUSED));
            if (key.wVKey == VK_SPACE && row >= 0 && model_.HasCheckBox(0, row)) {
                model_.ToggleCheckBoxByUser(0, row);
            }
            return 0;
        }
        case LVN_GETDISPINFOW:
            giveDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
            return 0;
        case LVN_ODFINDITEMW:
            return -1;  // typing finds no row, as in a list whose first column has no text
        case LVN_COLUMNCLICK:
            model_.HeaderClick(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
            return 0;
        case NM_CLICK:
        case NM_DBLCLK:
            clicked(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
            return 0;
        case NM_RCLICK: {
            POINT at = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->ptAction;
            ClientToScreen(handle(), &at);
            if (OnContextMenu) {
                OnContextMenu(at);
            }
            return TRUE;  // handled: no WM_CONTEXTMENU as well
        }
        case NM_CUSTOMDRAW:
            return customDraw(lParam);
        case LVN_GETINFOTIPW: {
            // A cell cut to its column shows whole as the row's tool tip.
            auto& tip = *reinterpret_cast<NMLVGETINFOTIPW*>(lParam);
            const int row = rowOf(tip.iItem);
            for (int col = 0; row >= 0 && col < model_.ColCount(); ++col) {
                if (model_.IsCut(col, row)) {
                    CopyText(model_.CellText(col, row), tip.pszText, tip.cchTextMax);
                    break;
                }
            }
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT GridView::customDraw(LPARAM lParam) {
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            // The visual style and High Contrast may have changed since the last paint.
            themedBoxes_.Follow(handle());
            highContrast_ = HighContrastOn();
            painting_ = true;
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_POSTPAINT:
            painting_ = false;
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT:
            itemTextColour_ = draw.clrText;
            return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPOSTPAINT:
            drawBox(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            // Every cell gets its colour: one set for a cell would stay for the next ones.
            const int row = rowOf(static_cast<int>(draw.nmcd.dwItemSpec));
            const bool inGrid = row >= 0 && draw.iSubItem >= 0 && draw.iSubItem < model_.ColCount();
            const bool selected = (draw.nmcd.uItemState & CDIS_SELECTED) != 0;
            const auto colour = inGrid ? ToneColour(model_.CellTone(draw.iSubItem, row),
                                                    highContrast_, selected, GetSysColor)
                                       : std::nullopt;
            draw.clrText = colour.value_or(itemTextColour_);
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

std::optional<LRESULT> GridView::reflected(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY:
            return notified(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case WM_CONTEXTMENU: {
            // From the keyboard (menu key, Shift+F10) the list view reports no point: use the
            // focused item, or the list's corner.
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) {
                RECT item{};
                const int focused = ListView_GetNextItem(handle(), -1, LVNI_FOCUSED);
                if (focused >= 0) {
                    ListView_GetItemRect(handle(), focused, &item, LVIR_LABEL);
                }
                at = {item.left, item.bottom};
                ClientToScreen(handle(), &at);
            }
            if (OnContextMenu) {
                OnContextMenu(at);
            }
            return 0;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace brevolt::win32
