#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/ChangeNotifier.h"

namespace brevolt::widgets {

enum class Alignment { Left, Centre };

// What the colour of a cell's text tells; the view picks the colour, and under High Contrast
// the text alone carries the meaning.
enum class TextTone {
    Plain,  // no colour of its own
    Alarm,  // a danger
    Calm,   // no particular danger
    Faint,  // nothing known, or of little weight
};

// A grid of text cells under a header of one text a column; any cell may hold a check box. Rows
// are numbered from 0. It sorts its rows by a column on a header click, and tells its view when
// it changed.
class ColumnGrid : public ChangeNotifier {
  public:
    struct Cell {
        std::string text;
        TextTone tone = TextTone::Plain;
        std::optional<bool> checkBox;  // empty: no check box; else whether it is ticked
    };

    // Measures a cell's text, room beside it included, in pixels at 96 dots per inch (the view
    // installs the real one). Widths are in the same unit: the view scales them to its DPI.
    using TextMeasure = std::function<int(const std::string& text, bool header)>;

    ColumnGrid();

    // Discards every column, header and cell, then makes an empty grid of this many columns and
    // rows.
    void Reset(int columns, int rows);
    // Adds empty rows at the end; returns the number of the first.
    int AddRows(int count);
    int ColCount() const { return static_cast<int>(widths_.size()); }
    int RowCount() const { return static_cast<int>(rows_.size()); }

    const std::string& HeaderText(int col) const { return headers_.at(col); }
    void SetHeaderText(int col, std::string text);

    const std::string& CellText(int col, int row) const { return rows_.at(row).at(col).text; }
    TextTone CellTone(int col, int row) const { return rows_.at(row).at(col).tone; }
    // Sets the text and its tone together: a text set without one is plain.
    void SetCellText(int col, int row, std::string text, TextTone tone = TextTone::Plain);

    bool HasCheckBox(int col, int row) const { return rows_.at(row).at(col).checkBox.has_value(); }
    bool IsChecked(int col, int row) const {
        return rows_.at(row).at(col).checkBox.value_or(false);
    }
    void AddCheckBox(int col, int row, bool checked);
    // Sets the tick as the program does: no check-box event.
    void SetChecked(int col, int row, bool checked);
    // The user toggled the box (click or space bar): raises the check-box event.
    void ToggleCheckBoxByUser(int col, int row);
    // Empties every cell and header and removes every check box; the size stays.
    void ClearCells();

    int ColumnWidth(int col) const { return widths_.at(col); }
    void SetColumnWidth(int col, int width);
    // Fits the column to its widest cell, but no wider than its maximum (a cell beyond it is
    // cut), and never narrower than its header. The column stays fitted until its width is set
    // otherwise: a new measure fits it again.
    void FitColumnToContent(int col);
    // The widest a fit makes the column; 0: no limit.
    void SetColumnMaxWidth(int col, int width);
    // Texts a fit makes room for besides the column's cells: those of other contents the grid
    // shows in turn, so that the column keeps its width when the content changes.
    void SetColumnFitTexts(int col, std::vector<std::string> texts);
    // The column that takes the width the others leave (its own width is its least); -1: none.
    int FillColumn() const { return fillColumn_; }
    void SetFillColumn(int col);
    // The cell's text is wider than its column: the view cuts it and shows it whole on demand.
    bool IsCut(int col, int row) const;
    // Installs the view's measure (none: the grid's own estimate) and fits the fitted columns
    // again with it, so that a fit gives the same widths whenever it ran.
    void SetMeasure(TextMeasure measure);

    Alignment ColumnAlignment(int col) const { return alignments_.at(col); }
    void SetColumnAlignment(int col, Alignment alignment);
    bool IsReadOnly(int col) const { return readOnly_.at(col); }
    void SetReadOnly(int col, bool readOnly);

    // Sorting by header click: every row, ascending, or the other way round when the column is
    // the one sorted last. `less` is the column's "less than" over two rows' cells.
    using RowLess = std::function<bool(const Cell& a, const Cell& b)>;
    void EnableSorting(int initialColumn);
    void SetColumnComparison(int col, RowLess less);
    void HeaderClick(int col);
    bool SortingEnabled() const { return sortingEnabled_; }
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }

    // Raised when the user toggles a check box.
    std::function<void(int col, int row)> OnCheckBoxClick;

  private:
    RowLess comparisonOf(int col) const;

    std::vector<std::vector<Cell>> rows_;
    std::vector<std::string> headers_;
    std::vector<int> widths_;
    std::vector<bool> fitted_;
    std::vector<int> maxWidths_;
    std::vector<std::vector<std::string>> fitTexts_;
    int fillColumn_ = -1;
    std::vector<Alignment> alignments_;
    std::vector<bool> readOnly_;
    std::vector<RowLess> comparisons_;
    bool sortingEnabled_ = false;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    TextMeasure measure_;
};

}  // namespace brevolt::widgets
