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

// What the user may name as a file type of their own, and what they are told otherwise.
TEST(ExtensionList, OwnTypesAreLettersDigitsDashesAndUnderscores) {
    struct Case {
        const char* text;
        const char* extension;  // nullptr: refused
        const char* problem;    // the start of the message
    };
    const std::string longest(32, 'a');
    const std::string longestUpper(32, 'A');
    const std::string tooLong(33, 'a');
    const Case cases[] = {
        {"py", "PY", ""},
        {".ps1", "PS1", ""},
        {"my-type_2", "MY-TYPE_2", ""},
        {longest.c_str(), longestUpper.c_str(), ""},
        {"", nullptr, "Bitte geben Sie eine Erweiterung ein"},
        {".", nullptr, "Bitte geben Sie eine Erweiterung ein"},
        {"p y", nullptr, "Die Erweiterung darf keine Leerzeichen"},
        {" py", nullptr, "Die Erweiterung darf keine Leerzeichen"},
        {"ps1;py", nullptr, "Die Erweiterung darf kein Semikolon"},
        {"..py", nullptr, "Die Erweiterung darf nur am Anfang einen Punkt"},
        {"tar.gz", nullptr, "Die Erweiterung darf nur am Anfang einen Punkt"},
        {"py!", nullptr, "Die Erweiterung darf nur Buchstaben"},
        {"\xC3\xA4", nullptr, "Die Erweiterung darf nur Buchstaben"},  // ä
        {tooLong.c_str(), nullptr, "Die Erweiterung darf höchstens 32 Zeichen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto extension = OwnExtension(c.text);
        EXPECT_EQ(extension.has_value(), c.extension != nullptr);
        if (extension && c.extension) {
            EXPECT_EQ(*extension, c.extension);
        }
        const std::string problem = OwnExtensionProblem(c.text);
        EXPECT_EQ(problem.substr(0, std::string(c.problem).size()), c.problem);
        EXPECT_EQ(problem.empty(), c.extension != nullptr);
    }
}

}  // namespace
}  // namespace brevolt
