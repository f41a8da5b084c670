#include <gtest/gtest.h>

#include "versions/OutlookVersions.h"

namespace brevolt {
namespace {

using namespace versions;

TEST(OutlookVersions, TheTableHoldsTheThreeVersionsInMenuOrder) {
    ASSERT_EQ(OutlookVersions.size(), 3u);
    EXPECT_EQ(OutlookVersions[0].Tag, 0);
    EXPECT_EQ(OutlookVersions[0].Caption, "Outlook 2000 (SP3)");
    EXPECT_EQ(OutlookVersions[0].Key, "9.0");
    EXPECT_EQ(OutlookVersions[1].Tag, 1);
    EXPECT_EQ(OutlookVersions[1].Caption, "Outlook 2002 (XP)");
    EXPECT_EQ(OutlookVersions[1].Key, "10.0");
    EXPECT_EQ(OutlookVersions[2].Tag, 2);
    EXPECT_EQ(OutlookVersions[2].Caption, "Outlook 2003");
    EXPECT_EQ(OutlookVersions[2].Key, "11.0");
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
