#include <gtest/gtest.h>

#include "widgets/CellMarkup.h"
#include "widgets/ColumnGrid.h"

namespace brevolt {
namespace {

using widgets::ColumnGrid;

// A 2 x 4 grid: a check box column and a text column, rows "b", "A", "c" under a header.
class ColumnGridTest : public ::testing::Test {
  protected:
    ColumnGridTest() {
        grid.Reset(2, 4);
        grid.SetCellText(1, 0, "Header");
        const char* texts[] = {"b", "A", "c"};
        for (int row = 1; row <= 3; ++row) {
            grid.AddCheckBox(0, row, row == 2);
            grid.SetCellText(1, row, texts[row - 1]);
        }
        grid.OnCheckBoxClick = [this](int col, int row) { clicks.push_back({col, row}); };
        grid.OnChanged = [this] { ++changes; };
    }

    std::string Column1() const {
        std::string order;
        for (int row = 1; row < grid.RowCount(); ++row) {
            order += grid.CellText(1, row);
        }
        return order;
    }

    ColumnGrid grid;
    std::vector<std::pair<int, int>> clicks;
    int changes = 0;
};

TEST_F(ColumnGridTest, OnlyTheUsersTogglesRaiseTheCheckBoxEvent) {
    grid.SetChecked(0, 1, true);
    EXPECT_TRUE(grid.IsChecked(0, 1));
    EXPECT_TRUE(clicks.empty());

    grid.ToggleCheckBoxByUser(0, 1);
    EXPECT_FALSE(grid.IsChecked(0, 1));
    grid.ToggleCheckBoxByUser(1, 1);  // no box there
    grid.ToggleCheckBoxByUser(0, 0);  // the header row
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 1}}));
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
    EXPECT_EQ(grid.CellText(1, 0), "Header");
    EXPECT_TRUE(grid.IsChecked(0, 3));  // the tick moved with its row ("A")
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

TEST_F(ColumnGridTest, DefaultComparisonIsTheVisibleTextCaseSensitive) {
    grid.EnableSorting(0);
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "Abc");  // "A" before lower case
    grid.SetCellText(1, 1, widgets::ColouredText("Normal", "clBlue"));
    grid.SetCellText(1, 2, widgets::ColouredText("Gefährlich", "clRed"));
    grid.SetCellText(1, 3, "Mittel");
    grid.HeaderClick(1);  // same column: descending
    EXPECT_EQ(grid.DisplayText(1, 1), "Normal");
    EXPECT_EQ(grid.DisplayText(1, 2), "Mittel");
    EXPECT_EQ(grid.DisplayText(1, 3), "Gefährlich");
}

TEST_F(ColumnGridTest, SortingIsOffUntilEnabled) {
    grid.HeaderClick(1);
    EXPECT_EQ(Column1(), "bAc");
}

TEST_F(ColumnGridTest, ClearingKeepsTheSizeButEmptiesEveryCell) {
    grid.ClearCells();
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.CellText(1, 0), "");
    EXPECT_FALSE(grid.HasCheckBox(0, 2));
}

TEST_F(ColumnGridTest, FittingMeasuresEveryCellHeaderIncluded) {
    grid.SetMeasure([](const std::string& text, bool header) {
        return static_cast<int>(text.size()) * (header ? 100 : 1);
    });
    grid.FitColumnToContent(1);
    EXPECT_EQ(grid.ColumnWidth(1), 600);
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

TEST(CellMarkup, ReadsTheWordAndItsColour) {
    const auto marked = widgets::ParseCellMarkup("<font color=\"clRed\">Gefährlich</font>");
    EXPECT_EQ(marked.text, "Gefährlich");
    EXPECT_EQ(marked.colour, "clRed");
    EXPECT_EQ(widgets::ColouredText("Normal", "clBlue"), "<font color=\"clBlue\">Normal</font>");
    for (const char* plain : {"Normal", "<font color=\"clRed", "<b>x</b>"}) {
        EXPECT_EQ(widgets::ParseCellMarkup(plain).text, plain);
        EXPECT_EQ(widgets::ParseCellMarkup(plain).colour, "");
    }
}

}  // namespace
}  // namespace brevolt
