#include <gtest/gtest.h>

#include <map>

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
        EXPECT_EQ(OutlookVersions[i].dottedListEntries, expected[i].dotted);
        EXPECT_EQ(FindVersion(expected[i].key), &OutlookVersions[i]);
    }
    for (const char* other : {"6.0", "13.0", "16", ""}) {
        EXPECT_EQ(FindVersion(other), nullptr) << other;
    }
}

// What differs between versions: Outlook 2000 to 2003 keep the program's catalogue and save;
// 2007 and later have Microsoft's lists, write only what Outlook reads and offer only the
// options documented for them.
TEST(OutlookVersions, EachRowCarriesWhatDiffersBetweenVersions) {
    struct Row {
        const char* key;
        BlockedTypes types;
        ListSave save;
        const char* options;  // per item: o offered, g greyed, x gone, u undocumented
        bool promptsAsList;
        bool newOutlookHint;
    };
    const std::map<char, OptionUse> uses = {{'o', OptionUse::Offered},
                                            {'g', OptionUse::Greyed},
                                            {'x', OptionUse::Gone},
                                            {'u', OptionUse::Undocumented}};
    const Row rows[] = {
        {"9.0", BlockedTypes::Outlook2000To2003, ListSave::AllLists, "gooooggooooogg", false,
         false},
        {"10.0", BlockedTypes::Outlook2000To2003, ListSave::AllLists, "oooooogooooogg", false,
         false},
        {"11.0", BlockedTypes::Outlook2000To2003, ListSave::AllLists, "oooooooooooooo", false,
         false},
        {"12.0", BlockedTypes::Outlook2007To2013, ListSave::UnblockedOnly, "ouxxxuxouuuuuu", false,
         false},
        {"14.0", BlockedTypes::Outlook2007To2013, ListSave::UnblockedOnly, "ouxxxuxouuuuou", true,
         false},
        {"15.0", BlockedTypes::Outlook2007To2013, ListSave::UnblockedOnly, "ouxxxuxouuuuou", true,
         false},
        {"16.0", BlockedTypes::Outlook2016On, ListSave::UnblockedOnly, "ouxxxuxuuuuuou", true,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        const auto* version = FindVersion(row.key);
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->blockedTypes, row.types);
        EXPECT_EQ(version->listSave, row.save);
        EXPECT_EQ(version->promptsAsList, row.promptsAsList);
        EXPECT_EQ(version->newOutlookHint, row.newOutlookHint);
        EXPECT_EQ(version->optionPolicies, row.save == ListSave::UnblockedOnly);
        for (std::size_t item = 0; item < kOutlookOptionCount; ++item) {
            EXPECT_EQ(version->options[item], uses.at(row.options[item])) << "item " << item;
        }
    }
}

TEST(OutlookVersions, OfficeKeyPathsBuildOnTheVersionKey) {
    EXPECT_EQ(OfficeKeyPath("16.0", "\\Outlook\\Security"),
              "Software\\Microsoft\\Office\\16.0\\Outlook\\Security");
    EXPECT_EQ(OfficeKeyPath("0.0"), "Software\\Microsoft\\Office\\0.0");
    EXPECT_EQ(OfficePolicyKeyPath("15.0", "\\Outlook"),
              "Software\\Policies\\Microsoft\\Office\\15.0\\Outlook");
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
