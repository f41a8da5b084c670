// The 14 Outlook options' reads and writes, on every backend.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "options/OutlookOptions.h"
#include "registry/Registry.h"
#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"

namespace brevolt {
namespace {

using registry::Hive;
using registry::RawValue;
using namespace options;

struct DwordOption {
    const char* name;
    std::size_t item;  // in OutlookOptions
    const char* suffix;
    std::vector<const char*> values;
    std::array<bool, 5> reads;         // stored: absent, 0, 1, 2, the text "1"
    std::optional<std::uint32_t> on;   // stored by a write of true; empty: removed
    std::optional<std::uint32_t> off;  // stored by a write of false
};

const std::vector<DwordOption> kOptions = {
    {"MinToTray",
     0,
     "\\Outlook\\Preferences",
     {"MinToTray"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"ShowBcc",
     1,
     "\\Outlook\\Preferences",
     {"ShowBcc"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"AdaptiveMenus",
     2,
     "\\Common\\Toolbars",
     {"AdaptiveMenus"},
     {false, true, false, false, false},
     0,
     std::nullopt},
    {"ErrorReports",
     3,
     "\\Common",
     {"DWNeverUpload", "DWNoExternalURL", "DWNoFileCollection", "DWNoSecondLevelCollection"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"IMEnabled", 4, "\\Outlook\\IM", {"Enabled"}, {false, false, true, false, false}, 1, 0},
    {"ReadAsPlain",
     5,
     "\\Outlook\\Options\\Mail",
     {"ReadAsPlain"},
     {false, false, true, false, false},
     1,
     0},
    {"EnablePresence",
     6,
     "\\Outlook\\IM",
     {"EnablePresence"},
     {false, false, true, false, false},
     1,
     0},
    {"DoAging", 7, "\\Outlook\\Preferences", {"DoAging"}, {true, true, false, true, false}, 1, 0},
    {"WarnDelete",
     8,
     "\\Outlook\\Options\\General",
     {"WarnDelete"},
     {false, false, true, false, false},
     1,
     0},
    {"CheckDefaultClient",
     9,
     "\\Outlook\\Options\\General",
     {"Check Default Client"},
     {false, false, true, false, false},
     1,
     0},
    {"SharedFolderScript",
     10,
     "\\Outlook\\Security",
     {"SharedFolderScript"},
     {false, false, true, false, false},
     1,
     0},
    {"PublicFolderScript",
     11,
     "\\Outlook\\Security",
     {"PublicFolderScript"},
     {true, false, true, false, false},
     1,
     0},
    {"BlockExtContent",
     13,
     "\\Outlook\\Options\\Mail",
     {"BlockExtContent"},
     {true, false, true, false, false},
     1,
     0},
};

bool Get(const DwordOption& option, const std::string& ver) {
    return ReadTick(options::OutlookOptions[option.item], ver);
}

// `on` as the value sees it: for auto-archiving the opposite of the item's tick.
bool Set(const DwordOption& option, const std::string& ver, bool on) {
    const auto& stored = options::OutlookOptions[option.item];
    return WriteTick(stored, ver, stored.inverted ? !on : on);
}

std::string Key(const DwordOption& option) {
    return std::string("Software\\Microsoft\\Office\\11.0") + option.suffix;
}

class OutlookOptions : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;
};

TEST_F(OutlookOptions, ReadsFollowEachOptionsRule) {
    const std::array<std::optional<RawValue>, 5> states = {
        std::nullopt, registry::EncodeDword(0), registry::EncodeDword(1), registry::EncodeDword(2),
        registry::EncodeText("1")};
    for (const auto& option : kOptions) {
        for (std::size_t state = 0; state < states.size(); ++state) {
            SCOPED_TRACE(std::string(option.name) + " state " + std::to_string(state));
            registry::Registry().RemovePath("Software");
            sandbox.MakeKey(Hive::CurrentUser, Key(option));
            if (states[state]) {
                for (const char* value : option.values) {
                    sandbox.Put(Hive::CurrentUser, Key(option), value, *states[state]);
                }
            }
            EXPECT_EQ(Get(option, "11.0"), option.reads[state]);
        }
    }
}

TEST_F(OutlookOptions, WritesStoreNumbersOrRemoveOverAnyOldValue) {
    for (const auto& option : kOptions) {
        for (const bool on : {true, false}) {
            SCOPED_TRACE(std::string(option.name) + (on ? " on" : " off"));
            for (const char* value : option.values) {
                sandbox.PutText(Hive::CurrentUser, Key(option), value, "old");
            }
            EXPECT_TRUE(Set(option, "11.0", on));
            const auto expected = on ? option.on : option.off;
            for (const char* value : option.values) {
                const auto stored = sandbox.Get(Hive::CurrentUser, Key(option), value);
                if (expected) {
                    EXPECT_EQ(stored, registry::EncodeDword(*expected)) << value;
                } else {
                    EXPECT_FALSE(stored.has_value()) << value;
                }
            }
            EXPECT_EQ(Get(option, "11.0"), on != (std::string(option.name) == "DoAging"));
        }
    }
}

TEST_F(OutlookOptions, TheExternalContentWarningIsAText) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Outlook\\Options\\General";
    struct Case {
        std::optional<RawValue> stored;
        bool ticked;
    };
    for (const auto& c : std::initializer_list<Case>{{std::nullopt, true},
                                                     {registry::EncodeText(""), true},
                                                     {registry::EncodeText("32,"), false},
                                                     {registry::EncodeText("32,7"), false},
                                                     {registry::EncodeDword(0), false}}) {
        registry::Registry().RemovePath("Software");
        sandbox.MakeKey(Hive::CurrentUser, key);
        if (c.stored) {
            sandbox.Put(Hive::CurrentUser, key, "PONT_STRING", *c.stored);
        }
        EXPECT_EQ(ReadTick(options::OutlookOptions[12], "11.0"), c.ticked);
    }
    sandbox.PutText(Hive::CurrentUser, key, "PONT_STRING", "32,7");
    EXPECT_TRUE(WriteTick(options::OutlookOptions[12], "11.0", false));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "PONT_STRING"), registry::EncodeText("32,"));
    EXPECT_TRUE(WriteTick(options::OutlookOptions[12], "11.0", true));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "PONT_STRING"), registry::EncodeText(""));
}

// A missing key holds no value: each option reads as its rule says of absent values, and
// nothing is created.
TEST_F(OutlookOptions, ReadingAMissingKeyCreatesNothing) {
    for (std::size_t item = 0; item < options::OutlookOptions.size(); ++item) {
        const bool absentTicks = item == 7 || item == 11 || item == 12 || item == 13;
        EXPECT_EQ(ReadTick(options::OutlookOptions[item], "11.0"), absentTicks) << item;
    }
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(OutlookOptions, AnEmptyVersionKeyTouchesNothing) {
    for (const auto& option : kOptions) {
        EXPECT_FALSE(Get(option, "")) << option.name;
        EXPECT_FALSE(Set(option, "", true)) << option.name;
    }
    EXPECT_FALSE(ReadTick(options::OutlookOptions[12], ""));
    EXPECT_FALSE(WriteTick(options::OutlookOptions[12], "", false));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(OutlookOptions, AKeyThatCanOnlyBeReadIsReadButNotWritten) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Outlook\\Options\\Mail";
    sandbox.PutDword(Hive::CurrentUser, key, "BlockExtContent", 1);
    sandbox.DenyFullAccess(Hive::CurrentUser, key);
    EXPECT_TRUE(ReadTick(options::OutlookOptions[13], "11.0"));
    EXPECT_FALSE(WriteTick(options::OutlookOptions[13], "11.0", false));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "BlockExtContent"), registry::EncodeDword(1));
}

TEST_F(OutlookOptions, ErrorReportsNeedAllFourValues) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Common";
    for (const char* value : {"DWNeverUpload", "DWNoExternalURL", "DWNoSecondLevelCollection"}) {
        sandbox.PutDword(Hive::CurrentUser, key, value, 1);
    }
    EXPECT_FALSE(ReadTick(options::OutlookOptions[3], "11.0"));
    EXPECT_TRUE(WriteTick(options::OutlookOptions[3], "11.0", true));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "DWNoFileCollection"), registry::EncodeDword(1));
    EXPECT_TRUE(ReadTick(options::OutlookOptions[3], "11.0"));
}

}  // namespace
}  // namespace brevolt
