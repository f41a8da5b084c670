#include <gtest/gtest.h>

#include <vector>

#include "widgets/CheckList.h"

namespace brevolt {
namespace {

using widgets::CheckList;

// Three items; the events the model raises are recorded.
class CheckListTest : public ::testing::Test {
  protected:
    CheckListTest() {
        list.SetItems({"Eins", "Zwei", "Drei"});
        list.OnChanged = [this] { ++changes; };
        list.OnItemFocused = [this](int index) { focused.push_back(index); };
    }

    CheckList list;
    int changes = 0;
    std::vector<int> focused;
};

TEST_F(CheckListTest, ReportsTheFocusedItemOnlyWhenItChanges) {
    EXPECT_EQ(list.FocusedItem(), -1) << "no item has the focus at first";
    // What the view reports, in order, and what the model makes of it.
    struct Report {
        int index;
        int focusedItem;
        bool raised;
    };
    const Report reports[] = {
        {0, 0, true},     // the first item
        {0, 0, false},    // the same item again
        {2, 2, true},     // another one
        {-1, -1, true},   // the list lost the focus
        {-1, -1, false},  // still without it
        {1, 1, true},     // back on the list
        {3, -1, true},    // out of range: no item
        {-7, -1, false},  // no item still
    };
    for (const auto& report : reports) {
        SCOPED_TRACE(report.index);
        focused.clear();
        list.ItemFocusedByUser(report.index);
        EXPECT_EQ(list.FocusedItem(), report.focusedItem);
        EXPECT_EQ(focused,
                  report.raised ? std::vector<int>{report.focusedItem} : std::vector<int>{});
    }
    EXPECT_EQ(changes, 0) << "the focus is no change of the items";
}

TEST_F(CheckListTest, TheFocusGoesWithTheFocusedItem) {
    list.ItemFocusedByUser(1);
    list.SetItems({"A", "B"});
    EXPECT_EQ(list.FocusedItem(), 1) << "its place is still there";
    list.SetItems({"A"});
    EXPECT_EQ(list.FocusedItem(), -1);
    EXPECT_EQ(focused, (std::vector<int>{1, -1}));
}

TEST_F(CheckListTest, AHintIsAChangeOnlyWhenItDiffers) {
    list.SetHint(1, "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.");
    list.SetHint(1, "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.");
    EXPECT_EQ(list.ItemAt(1).hint,
              "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.");
    EXPECT_TRUE(list.ItemAt(0).hint.empty());
    EXPECT_EQ(changes, 1);
    list.SetItems({"Neu"});
    EXPECT_TRUE(list.ItemAt(0).hint.empty()) << "new items come without hints";
}

}  // namespace
}  // namespace brevolt
