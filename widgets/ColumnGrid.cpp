#include "widgets/ColumnGrid.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/Unicode.h"

namespace brevolt::widgets {
namespace {

// Without a view: a rough width of 8 pixels a character and room for the cell's margins.
int EstimateWidth(const std::string& text, bool header) {
    return static_cast<int>(text::CodePointCount(text)) * (header ? 8 : 7) + 12;
}

// The grid's own order: ticked boxes after unticked ones, otherwise the text as it is.
bool DefaultLess(const ColumnGrid::Cell& a, const ColumnGrid::Cell& b) {
    if (a.checkBox || b.checkBox) {
        return a.checkBox.value_or(false) < b.checkBox.value_or(false);
    }
    return a.text < b.text;
}

}  // namespace

ColumnGrid::ColumnGrid() : measure_(EstimateWidth) {}

void ColumnGrid::Reset(int columns, int rows) {
    rows_.assign(rows, std::vector<Cell>(columns));
    headers_.assign(columns, std::string());
    widths_.assign(columns, 64);
    fitted_.assign(columns, false);
    maxWidths_.assign(columns, 0);
    fitTexts_.assign(columns, {});
    fillColumn_ = -1;
    alignments_.assign(columns, Alignment::Left);
    readOnly_.assign(columns, false);
    comparisons_.assign(columns, nullptr);
    sortingEnabled_ = false;
    sortColumn_ = 0;
    sortAscending_ = true;
    changed();
}

int ColumnGrid::AddRows(int count) {
    const int first = RowCount();
    // Row by row, without a model row to copy: a fill adds thousands of rows one at a time.
    for (int row = 0; row < count; ++row) {
        rows_.emplace_back(widths_.size());
    }
    changed();
    return first;
}

void ColumnGrid::SetHeaderText(int col, std::string text) {
    headers_.at(col) = std::move(text);
    changed();
}

void ColumnGrid::SetCellText(int col, int row, std::string text, TextTone tone) {
    auto& cell = rows_.at(row).at(col);
    cell.text = std::move(text);
    cell.tone = tone;
    changed();
}

void ColumnGrid::AddCheckBox(int col, int row, bool checked) {
    rows_.at(row).at(col).checkBox = checked;
    changed();
}

void ColumnGrid::SetChecked(int col, int row, bool checked) {
    auto& box = rows_.at(row).at(col).checkBox;
    if (box) {
        box = checked;
        changed();
    }
}

void ColumnGrid::ToggleCheckBoxByUser(int col, int row) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) {
        return;
    }
    auto& box = rows_[row][col].checkBox;
    if (!box) {
        return;
    }
    box = !*box;
    changed();
    if (OnCheckBoxClick) {
        OnCheckBoxClick(col, row);
    }
}

void ColumnGrid::ClearCells() {
    for (auto& row : rows_) {
        for (auto& cell : row) {
            cell = Cell{};
        }
    }
    for (auto& header : headers_) {
        header.clear();
    }
    changed();
}

void ColumnGrid::SetColumnWidth(int col, int width) {
    widths_.at(col) = width;
    fitted_.at(col) = false;
    changed();
}

void ColumnGrid::FitColumnToContent(int col) {
    // The view's measure asks the system about each text: a text that repeats the row above
    // (empty cells, a rating) is not measured again, nor anything once the column is at its most.
    const int most = maxWidths_.at(col) > 0 ? maxWidths_[col] : std::numeric_limits<int>::max();
    int widest = 0;
    for (int row = 0; row < RowCount() && widest < most; ++row) {
        if (row == 0 || CellText(col, row) != CellText(col, row - 1)) {
            widest = std::max(widest, measure_(CellText(col, row), false));
        }
    }
    for (const auto& text : fitTexts_.at(col)) {
        if (widest >= most) {
            break;
        }
        widest = std::max(widest, measure_(text, false));
    }
    widest = std::min(widest, most);
    SetColumnWidth(col, std::max(widest, measure_(HeaderText(col), true)));
    fitted_[col] = true;
}

void ColumnGrid::SetColumnMaxWidth(int col, int width) {
    maxWidths_.at(col) = width;
}

void ColumnGrid::SetColumnFitTexts(int col, std::vector<std::string> texts) {
    fitTexts_.at(col) = std::move(texts);
}

void ColumnGrid::SetFillColumn(int col) {
    fillColumn_ = col;
    changed();
}

bool ColumnGrid::IsCut(int col, int row) const {
    return col != fillColumn_ && measure_(CellText(col, row), false) > ColumnWidth(col);
}

void ColumnGrid::SetMeasure(TextMeasure measure) {
    measure_ = measure ? std::move(measure) : TextMeasure(EstimateWidth);
    const BatchedUpdate update(*this);
    for (int col = 0; col < ColCount(); ++col) {
        if (fitted_[col]) {
            FitColumnToContent(col);
        }
    }
}

void ColumnGrid::SetColumnAlignment(int col, Alignment alignment) {
    alignments_.at(col) = alignment;
    changed();
}

void ColumnGrid::SetReadOnly(int col, bool readOnly) {
    readOnly_.at(col) = readOnly;
}

void ColumnGrid::EnableSorting(int initialColumn) {
    sortingEnabled_ = true;
    sortColumn_ = initialColumn;
    sortAscending_ = true;
    changed();
}

void ColumnGrid::SetColumnComparison(int col, RowLess less) {
    comparisons_.at(col) = std::move(less);
}

ColumnGrid::RowLess ColumnGrid::comparisonOf(int col) const {
    return comparisons_.at(col) ? comparisons_[col] : RowLess(DefaultLess);
}

void ColumnGrid::HeaderClick(int col) {
    if (!sortingEnabled_ || col < 0 || col >= ColCount() || RowCount() == 0) {
        return;
    }
    sortAscending_ = col == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = col;
    const RowLess less = comparisonOf(col);
    const bool ascending = sortAscending_;
    // Stable, so that equal rows keep the order they stand in.
    std::stable_sort(rows_.begin(), rows_.end(), [&](const auto& a, const auto& b) {
        return ascending ? less(a[col], b[col]) : less(b[col], a[col]);
    });
    changed();
}

}  // namespace brevolt::widgets
