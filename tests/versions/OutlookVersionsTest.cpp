#include <gtest/gtest.h>

#include "versions/OutlookVersions.h"

namespace brevolt {
namespace {

using namespace versions;

TEST(OutlookVersions, TheTableHoldsTheThreeVersionsInMenuOrder) {
    ASSERT_EQ(OutlookVersions.size(), 3u);
    EXPECT_EQ(OutlookVersions[0].tag, 0);
    EXPECT_EQ(OutlookVersions[0].caption, "Outlook 2000 (SP3)");
    EXPECT_EQ(OutlookVersions[0].key, "9.0");
    EXPECT_EQ(OutlookVersions[1].tag, 1);
    EXPECT_EQ(OutlookVersions[1].caption, "Outlook 2002 (XP)");
    EXPECT_EQ(OutlookVersions[1].key, "10.0");
    EXPECT_EQ(OutlookVersions[2].tag, 2);
    EXPECT_EQ(OutlookVersions[2].caption, "Outlook 2003");
    EXPECT_EQ(OutlookVersions[2].key, "11.0");
}

TEST(OutlookVersions, LookupsFindExactMatchesAndOtherwiseLeaveTheArgument) {
    std::string key;
    VersionKeyOfTag(2, key);
    EXPECT_EQ(key, "11.0");
    key.clear();
    VersionKeyOfTag(-1, key);
    EXPECT_EQ(key, "");
    key = "kept";
    VersionKeyOfTag(3, key);
    EXPECT_EQ(key, "kept");

    std::string caption;
    CaptionOfVersionKey("10.0", caption);
    EXPECT_EQ(caption, "Outlook 2002 (XP)");
    for (const char* other : {"6.0", "10.00", "9", ""}) {
        caption.clear();
        CaptionOfVersionKey(other, caption);
        EXPECT_EQ(caption, "") << other;
    }
}

}  // namespace
}  // namespace brevolt
