#include <gtest/gtest.h>

#include "versions/OutlookVersions.h"

namespace brevolt {
namespace {

using namespace versions;

TEST(OutlookVersions, TheTableHoldsTheSevenVersionsInMenuOrder) {
    struct Row {
        int tag;
        const char* caption;
        const char* key;
        bool dotted;
    };
    const Row expected[] = {
        {0, "Outlook 2000 (SP3)", "9.0", false},   {1, "Outlook 2002 (XP)", "10.0", false},
        {2, "Outlook 2003", "11.0", false},        {3, "Outlook 2007", "12.0", true},
        {4, "Outlook 2010", "14.0", true},         {5, "Outlook 2013", "15.0", true},
        {6, "Outlook 2016 bis 365", "16.0", true},
    };
    ASSERT_EQ(OutlookVersions.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].key);
        EXPECT_EQ(OutlookVersions[i].tag, expected[i].tag);
        EXPECT_EQ(OutlookVersions[i].caption, expected[i].caption);
        EXPECT_EQ(OutlookVersions[i].key, expected[i].key);
        EXPECT_EQ(WritesDottedListEntries(expected[i].key), expected[i].dotted);
    }
    for (const char* other : {"6.0", "13.0", "16", ""}) {
        EXPECT_FALSE(WritesDottedListEntries(other)) << other;
    }
}

TEST(OutlookVersions, LookupsFindExactMatchesAndOtherwiseLeaveTheArgument) {
    std::string key;
    VersionKeyOfTag(2, key);
    EXPECT_EQ(key, "11.0");
    key.clear();
    VersionKeyOfTag(-1, key);
    EXPECT_EQ(key, "");
    VersionKeyOfTag(6, key);
    EXPECT_EQ(key, "16.0");
    key = "kept";
    VersionKeyOfTag(7, key);
    EXPECT_EQ(key, "kept");

    std::string caption;
    CaptionOfVersionKey("10.0", caption);
    EXPECT_EQ(caption, "Outlook 2002 (XP)");
    for (const char* other : {"6.0", "10.00", "9", "13.0", ""}) {
        caption.clear();
        CaptionOfVersionKey(other, caption);
        EXPECT_EQ(caption, "") << other;
    }
}

}  // namespace
}  // namespace brevolt
