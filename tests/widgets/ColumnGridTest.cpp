#include <gtest/gtest.h>

#include "widgets/ColumnGrid.h"

namespace brevolt {
namespace {

using widgets::ColumnGrid;
using widgets::TextTone;

// Two columns, a check box column and a text column, and three rows "b", "A" (ticked), "c"
// under the header.
class ColumnGridTest : public ::testing::Test {
  protected:
    ColumnGridTest() {
        grid.Reset(2, 3);
        grid.SetHeaderText(1, "Header");
        const char* texts[] = {"b", "A", "c"};
        for (int row = 0; row < 3; ++row) {
            grid.AddCheckBox(0, row, row == 1);
            grid.SetCellText(1, row, texts[row]);
        }
        grid.OnCheckBoxClick = [this](int col, int row) { clicks.push_back({col, row}); };
        grid.OnChanged = [this] { ++changes; };
    }

    std::string Column1() const {
        std::string order;
        for (int row = 0; row < grid.RowCount(); ++row) {
            order += grid.CellText(1, row);
        }
        return order;
    }

    ColumnGrid grid;
    std::vector<std::pair<int, int>> clicks;
    int changes = 0;
};

// The header is no row: rows count from 0, and a grid may have none.
TEST_F(ColumnGridTest, TheHeaderStandsApartFromTheRows) {
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.CellText(1, 0), "b");
    EXPECT_EQ(grid.HeaderText(1), "Header");
    EXPECT_EQ(grid.HeaderText(0), "");

    grid.Reset(3, 0);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.HeaderText(1), "") << "a reset discards the headers";
    EXPECT_EQ(grid.AddRows(2), 0);
    EXPECT_EQ(grid.AddRows(1), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.CellText(2, 2), "");
}

TEST_F(ColumnGridTest, ACellsToneGoesWithItsText) {
    EXPECT_EQ(grid.CellTone(1, 0), TextTone::Plain);
    grid.SetCellText(1, 0, "Gefährlich", TextTone::Alarm);
    EXPECT_EQ(grid.CellText(1, 0), "Gefährlich") << "the text alone, whatever its tone";
    EXPECT_EQ(grid.CellTone(1, 0), TextTone::Alarm);
    EXPECT_EQ(grid.CellTone(1, 1), TextTone::Plain);
    grid.SetCellText(1, 0, "b");
    EXPECT_EQ(grid.CellTone(1, 0), TextTone::Plain) << "a text set without a tone is plain";
}

TEST_F(ColumnGridTest, OnlyTheUsersTogglesRaiseTheCheckBoxEvent) {
    grid.SetChecked(0, 0, true);
    EXPECT_TRUE(grid.IsChecked(0, 0));
    EXPECT_TRUE(clicks.empty());

    grid.ToggleCheckBoxByUser(0, 0);
    EXPECT_FALSE(grid.IsChecked(0, 0));
    grid.ToggleCheckBoxByUser(1, 0);   // no box there
    grid.ToggleCheckBoxByUser(0, -1);  // no such row
    grid.ToggleCheckBoxByUser(0, 3);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_GT(changes, 0);
}

TEST_F(ColumnGridTest, HeaderClicksSortAscendingThenToggleTheDirection) {
    grid.EnableSorting(0);
    grid.SetColumnComparison(1, [](const auto& a, const auto& b) {
        return std::tolower(a.text[0]) < std::tolower(b.text[0]);
    });
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "Abc");
    EXPECT_TRUE(grid.SortAscending());
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "cbA");
    EXPECT_FALSE(grid.SortAscending());
    EXPECT_EQ(grid.HeaderText(1), "Header");
    EXPECT_TRUE(grid.IsChecked(0, 2));  // the tick moved with its row ("A")
}

TEST_F(ColumnGridTest, ColumnZeroCountsAsSortedAscendingAtStart) {
    grid.EnableSorting(0);
    grid.HeaderClick(0);  // descending: the ticked row first, the others in their order
    EXPECT_EQ(Column1(), "Abc");
    EXPECT_EQ(grid.SortColumn(), 0);
    EXPECT_FALSE(grid.SortAscending());
    grid.HeaderClick(0);
    EXPECT_EQ(Column1(), "bcA");
}

TEST_F(ColumnGridTest, DefaultComparisonIsTheTextCaseSensitiveAndTheToneMovesWithIt) {
    grid.EnableSorting(0);
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "Abc");  // "A" before lower case
    grid.SetCellText(1, 0, "Normal", TextTone::Calm);
    grid.SetCellText(1, 1, "Gefährlich", TextTone::Alarm);
    grid.SetCellText(1, 2, "Mittel");
    grid.HeaderClick(1);  // same column: descending
    EXPECT_EQ(Column1(), "NormalMittelGefährlich");
    EXPECT_EQ(grid.CellTone(1, 0), TextTone::Calm);
    EXPECT_EQ(grid.CellTone(1, 1), TextTone::Plain);
    EXPECT_EQ(grid.CellTone(1, 2), TextTone::Alarm);
}

TEST_F(ColumnGridTest, SortingIsOffUntilEnabled) {
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "bAc");
}

TEST_F(ColumnGridTest, ClearingKeepsTheSizeButEmptiesEveryCellAndHeader) {
    grid.SetCellText(1, 2, "Gefährlich", TextTone::Alarm);
    grid.ClearCells();
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.HeaderText(1), "");
    EXPECT_EQ(grid.CellText(1, 0), "");
    EXPECT_EQ(grid.CellText(1, 2), "");
    EXPECT_EQ(grid.CellTone(1, 2), TextTone::Plain);
    EXPECT_FALSE(grid.HasCheckBox(0, 1));
}

TEST_F(ColumnGridTest, FittingMeasuresEveryCellHeaderIncluded) {
    grid.SetCellText(1, 0, "bbbbb");  // the first row holds the widest cell
    struct Case {
        int headerWeight;
        int cellWeight;
        int width;
    };
    for (const Case c : {Case{100, 1, 600}, Case{1, 100, 500}}) {
        grid.SetMeasure([c](const std::string& text, bool header) {
            return static_cast<int>(text.size()) * (header ? c.headerWeight : c.cellWeight);
        });
        grid.FitColumnToContent(1);
        EXPECT_EQ(grid.ColumnWidth(1), c.width) << c.headerWeight << ":" << c.cellWeight;
    }
}

// Texts of other contents count as cells for the fit, up to the column's maximum; the next
// content starts the grid anew and forgets them.
TEST_F(ColumnGridTest, AFitMakesRoomForTheTextsOfOtherContents) {
    grid.SetMeasure([](const std::string& text, bool) { return static_cast<int>(text.size()); });
    grid.SetColumnFitTexts(1, {"x", "wwwwwwwwwwww"});
    grid.FitColumnToContent(1);
    EXPECT_EQ(grid.ColumnWidth(1), 12);
    grid.SetColumnMaxWidth(1, 9);
    grid.FitColumnToContent(1);
    EXPECT_EQ(grid.ColumnWidth(1), 9);
    grid.Reset(2, 1);
    grid.SetCellText(1, 0, "bb");
    grid.FitColumnToContent(1);
    EXPECT_EQ(grid.ColumnWidth(1), 2);
}

// A grid filled before its view came measures again with the view's fonts, so that a fit gives
// the same widths whether it ran before the view or after.
TEST_F(ColumnGridTest, ANewMeasureFitsTheFittedColumnsAgain) {
    grid.FitColumnToContent(0);
    grid.FitColumnToContent(1);
    grid.SetColumnWidth(0, 77);  // set by hand: no longer fitted
    int changes = 0;
    grid.OnChanged = [&] { ++changes; };
    grid.SetMeasure([](const std::string& text, bool header) {
        return static_cast<int>(text.size()) * (header ? 100 : 1);
    });
    EXPECT_EQ(grid.ColumnWidth(0), 77);
    EXPECT_EQ(grid.ColumnWidth(1), 600);
    EXPECT_EQ(changes, 1);
    grid.SetMeasure(nullptr);  // the view went: the grid's own estimate again
    EXPECT_LT(grid.ColumnWidth(1), 600);
    EXPECT_EQ(grid.ColumnWidth(0), 77);
}

}  // namespace
}  // namespace brevolt
