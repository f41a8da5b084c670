// Lists of thousands of types of the user's own: filling the grid and saving it take time in
// proportion to the entries, not to their square.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>

#include "registry/MemoryRegistry.h"
#include "support/FakeApplication.h"
#include "unblock/BlockedTypes.h"
#include "unblock/ExtensionList.h"
#include "unblock/UnblockPage.h"

namespace brevolt {
namespace {

// Every type of the version's catalogue, then `own` types of the user's own (T00001, .T00002,
// ...), every other one stored with a dot.
std::string StoredList(const versions::OutlookVersion& version, int own) {
    std::string list;
    for (const auto& type : unblock::BlockedTypesOf(version.blockedTypes)) {
        list += type.extension + ";";
    }
    for (int i = 1; i <= own; ++i) {
        char entry[16];
        std::snprintf(entry, sizeof entry, "%sT%05d;", i % 2 == 0 ? "." : "", i);
        list += entry;
    }
    return list;
}

struct Outcome {
    double seconds = std::numeric_limits<double>::max();
    int rows = 0;
    std::string written;  // "Level1Remove" as the save wrote it
};

// A version switch's fill and a save, on a page of its own. Timed in processor time, and the
// quickest of five runs: the time the machine spends on other work does not count.
Outcome FillAndSave(const versions::OutlookVersion& version, const std::string& stored) {
    Outcome outcome;
    for (int run = 0; run < 5; ++run) {
        registry::MemoryRegistry memory;
        const registry::BackendScope scope(memory);
        testing::ScriptedDialogs dialogs;
        widgets::ColumnGrid grid;
        unblock::UnblockPage page(grid, dialogs);
        unblock::Level1Lists lists;
        lists.unblocked = stored;

        const std::clock_t start = std::clock();
        page.SetUpExtGrid();
        page.FillExtGrid(lists, version);
        page.SaveExtLists(lists);
        const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;

        outcome.seconds = std::min(outcome.seconds, took);
        outcome.rows = grid.RowCount();
        outcome.written = lists.unblocked;
    }
    return outcome;
}

TEST(UnblockPageScaling, TenTimesTheEntriesTakeAboutTenTimesAsLong) {
    for (const char* key : {"11.0", "16.0"}) {
        SCOPED_TRACE(key);
        const auto& version = *versions::FindVersion(key);
        const auto catalogue =
            static_cast<int>(unblock::BlockedTypesOf(version.blockedTypes).size());
        const auto small = FillAndSave(version, StoredList(version, 1'500));
        const auto large = FillAndSave(version, StoredList(version, 15'000));
        ASSERT_EQ(large.rows, catalogue + 15'000) << "a row for every type";
        EXPECT_EQ(unblock::ListEntries(large.written).size(), static_cast<std::size_t>(large.rows))
            << "every tick written";
        // Work in proportion to the entries makes it about 10 times; to their square, about 100.
        EXPECT_LT(large.seconds, 30 * small.seconds)
            << "1,500 entries: " << small.seconds << " s, 15,000: " << large.seconds << " s";
    }
}

}  // namespace
}  // namespace brevolt
