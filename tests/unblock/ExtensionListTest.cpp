#include <gtest/gtest.h>

#include "base/UpperCase.h"
#include "unblock/ExtensionList.h"

namespace brevolt {
namespace {

using namespace unblock;

TEST(ExtensionList, EntriesAreWholeNamesWithoutBlanksAndOneDot) {
    struct Case {
        const char* list;
        std::vector<std::string> entries;
    };
    for (const auto& c : std::initializer_list<Case>{
             {"ADE;BAT;CHM", {"ADE", "BAT", "CHM"}},
             {" CHM ; .HLP;..JS; . SCR", {"CHM", "HLP", ".JS", "SCR"}},
             {";;ADE;; ;", {"ADE"}},
             {"", {}},
             {"JSE", {"JSE"}},
         }) {
        EXPECT_EQ(ListEntries(c.list), c.entries) << c.list;
    }
    EXPECT_FALSE(ListContains("JSE", "JS"));
    EXPECT_FALSE(ListContains("ADEX", "ADE"));
    EXPECT_TRUE(ListContains(".CHM", "CHM"));
    EXPECT_TRUE(ListContains("BAT; CHM", "CHM"));
    EXPECT_FALSE(ListContains("chm", "CHM"));
}

TEST(ExtensionList, TrimmingRemovesOneSeparatorAtEachEnd) {
    struct Case {
        const char* stored;
        const char* read;
    };
    for (const auto& c : std::initializer_list<Case>{{";ADE;BAT;", "ADE;BAT"},
                                                     {";;ADE", ";ADE"},
                                                     {";", ""},
                                                     {";;", ""},
                                                     {";;;", ";"},
                                                     {"", ""},
                                                     {" ;ADE; ", " ;ADE; "}}) {
        EXPECT_EQ(TrimListEnds(c.stored), c.read) << c.stored;
    }
    EXPECT_EQ(JoinList({"ADE", "BAT"}), "ADE;BAT");
    EXPECT_EQ(JoinList({}), "");
}

TEST(ExtensionList, UpperCaseCoversUmlauts) {
    EXPECT_EQ(text::UpperCase("äöü;ade;ß"), "ÄÖÜ;ADE;ß");
    EXPECT_EQ(text::UpperCase("šœžÿ"), "ŠŒŽŸ");
}

}  // namespace
}  // namespace brevolt
